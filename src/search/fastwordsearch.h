#pragma once

// The fast word search: the articles that hold, for every word of a query, a
// word form whose transcription key begins with the key of that word. Only
// the word-form table is read (through its key index and a prefix range);
// articles are looked up by ID and their bodies are never decoded.
//
// The window's search button and `lumolex-cli find` both call run(), so the
// result list and the command line always agree.

#include "search/dictionaryscope.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

namespace lumolex {

class WordSpellings;
class Table;
struct WorkEntry;

// One found article: a row of the result list.
struct FoundArticle {
    int id = 0;
    int dict = 0;
    QString word;   // the headword (WORD)

    bool operator==(const FoundArticle &) const = default;
};

class FastWordSearch
{
public:
    // Both tables as the data loader leaves them (all indexes defined; of
    // the article table's, run() needs the ID index only and makes the keys
    // the key index would hold), and the words as they are spelt, if the
    // data set keeps them (null: none).
    FastWordSearch(Table &articles, Table &wordForms, WordSpellings *wordSpellings = nullptr);

    // Searches `query`, a text already trimmed (trimQuery) and checked
    // (checkQuery). Words are the fields between single spaces, so two
    // spaces in a row make an empty word, which restricts nothing. Results
    // come in groups, so that the word the user typed opens first: articles
    // holding every word of the query as a whole form, the one whose
    // headword is spelt like the query (composed, case aside) ahead of them,
    // then those whose paradigm holds every word spelt exactly as typed
    // (WordSpellings), then the rest of them; last, articles that hold some
    // word only as the beginning of a longer form. Within a group, in
    // ascending order of the article's transcription key (the key
    // collation), articles of equal key by their ID written in decimal and
    // compared as text (12 before 9).
    //
    // The article table is left unfiltered on its ID index; the caller
    // suspends its notifications and restores it. The word-form table is left without a
    // key range.
    //
    // With exact letters (the default), a query word spelt with a macron or
    // a special Kildin letter leaves out the articles whose text holds words
    // of its key but none spelt with its letters (see PreciseLetters); off,
    // every letter compares by its key only. The words of the texts kept in
    // the data set answer this; without them the texts are read.
    QVector<FoundArticle> run(const QString &query, const DictionaryScope &scope, bool exactLetters = true);

    // The transcription keys of the query's words as run() takes them: an
    // article must hold, for each, a word form whose key begins with it.
    // Each key comes once, sorted, and a key that begins another one (the
    // empty key of two blanks in a row among them) is left out, as it
    // restricts nothing more. Readers that fetch only the forms a query
    // reaches (lumolex-cli through the files' look-up indexes) start from these.
    static QStringList wordKeys(const QString &query);

    // Whether run() reads the articles' bodies for `query` (to check its
    // precise letters where the spelt words cannot tell); when it does not,
    // a reader that fetches only the rows a query needs may leave them out.
    static bool readsArticleTexts(const QString &query, bool exactLetters, WordSpellings *wordSpellings);

private:
    void dropImpreciseMatches(std::vector<WorkEntry> &list, int words, const QString &query);

    Table &m_articles;
    Table &m_wordForms;
    WordSpellings *m_wordSpellings;
};

} // namespace lumolex
