#pragma once

// The fragment search: the articles whose body, read as plain text and
// converted to its transcription key, contains the key of the query (an е
// of the query matching е or ё, as a Russian reader writes е for ё) as a
// piece of text (inside a word, across words, with its blanks).
//
// The scan visits every article of the article table in the word list's
// order (index "cds1i1", filter off), whatever the dictionary scope; articles
// out of scope are counted as visited but never read or listed. It runs in
// steps, each given a time budget, so that a window can process its events
// between steps; stopping between steps leaves exactly the results an
// in-order scan has found up to that article. The window's fragment search
// button and `lumolex-cli fragment` both drive this class.
//
// Articles are visited in blocks: the bodies of a block that are not in the
// cache are read and matched on the thread pool side by side, then the
// block's articles are reported in order, so the results, their order and
// the place a stop leaves them are those of a plain in-order scan. While a
// block is reported the pool already reads the next one; a search stopped
// there drops that block unreported.

#include "search/dictionaryscope.h"
#include "search/fastwordsearch.h"
#include "search/preciseletters.h"

#include <QString>
#include <QVector>

#include <chrono>
#include <memory>

namespace lumolex {

class PlainTextCache;
class Table;

// The converted plain text of a stored body: the text a rich-text view
// shows, without its invisible characters (withoutInvisibles), converted
// with RetTransc. Empty for an article without a body.
QString fragmentSearchText(QByteArrayView stored, bool isNull);

class FragmentSearch
{
public:
    // `cache` may be null (every body is then read again). The article table
    // is switched to its key index with the filter off; the caller keeps its
    // notifications suspended and restores its state afterwards.
    // Articles visited together by default; a step ends only between blocks.
    static constexpr int kBlockSize = 256;

    FragmentSearch(Table &articles, const QString &query, const DictionaryScope &scope,
                   PlainTextCache *cache = nullptr, int blockSize = kBlockSize);
    ~FragmentSearch();
    FragmentSearch(const FragmentSearch &) = delete;
    FragmentSearch &operator=(const FragmentSearch &) = delete;

    // With exact letters (the default), a query letter with a macron or a
    // special Kildin letter matches only that letter as the text writes it
    // (PreciseLetters); off, every letter compares by its key. Set before
    // the first step.
    void setExactLetters(bool on);

    // Visits blocks of articles until the budget has passed (at least one
    // block per call) or the table ends. Articles found are appended to the results and
    // to `found` when given. Returns false once every article has been visited.
    bool step(std::chrono::nanoseconds budget, QVector<FoundArticle> *found = nullptr);
    // Visits every remaining article.
    void runToEnd();

    bool atEnd() const { return m_visited >= m_total; }
    int visited() const { return m_visited; }
    int total() const { return m_total; }       // the articles with the filter off
    const QVector<FoundArticle> &results() const { return m_results; }
    const QString &queryKey() const { return m_key; }

    // The whole search at once: the results in visiting order.
    static QVector<FoundArticle> run(Table &articles, const QString &query, const DictionaryScope &scope,
                                     PlainTextCache *cache = nullptr, bool exactLetters = true);

private:
    struct Block;

    std::unique_ptr<Block> startBlock(int begin) const;
    void scanBlock(QVector<FoundArticle> *found);

    Table &m_articles;
    DictionaryScope m_scope;
    PlainTextCache *m_cache;
    QString m_key;
    PreciseLetters m_letters;
    bool m_exactLetters = true;
    int m_visited = 0;
    int m_total = 0;
    int m_blockSize;
    int m_idField, m_dictField, m_wordField, m_bodyField;
    QVector<FoundArticle> m_results;
    std::unique_ptr<Block> m_next; // the block after m_visited, being read
};

} // namespace lumolex
