#include "search/fragmentsearch.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/spelling.h"
#include "data/table/table.h"
#include "search/plaintextcache.h"
#include "search/querytext.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <vector>

namespace lumolex {

QString fragmentSearchText(QByteArrayView stored, bool isNull)
{
    return RetTransc(withoutInvisibles(bodyPlainText(stored, isNull)));
}

FragmentSearch::FragmentSearch(Table &articles, const QString &query, const DictionaryScope &scope,
                               PlainTextCache *cache, int blockSize)
    : m_articles(articles)
    , m_scope(scope)
    , m_cache(cache)
    , m_key(RetTransc(query))
    , m_letters(query)
    , m_idField(articles.fieldIndex(QString::fromLatin1(field::ID)))
    , m_dictField(articles.fieldIndex(QString::fromLatin1(field::DICT)))
    , m_wordField(articles.fieldIndex(QString::fromLatin1(field::WORD)))
    , m_bodyField(articles.fieldIndex(QString::fromLatin1(field::TRANSL)))
{
    // The bodies are read by view position on other threads too.
    m_articles.completeDeferred();
    m_articles.setFiltered(false);
    if (m_articles.activeIndex() != QLatin1String(kIndexArticleKey))
        m_articles.setActiveIndex(QString::fromLatin1(kIndexArticleKey));
    m_total = m_articles.recordCount();
    m_blockSize = qMax(1, blockSize);
}

void FragmentSearch::setExactLetters(bool on)
{
    m_exactLetters = on;
}

namespace {

// An article of a block in scope, and its text when the block had to read it.
struct Visit
{
    int position = 0;
    int id = 0;
    int dict = 0;
    QByteArrayView body; // the stored body in the table, when its text is not in the cache
    bool bodyIsNull = false;
    bool read = false;
    QString text;       // read from `body`
    bool matched = false;
};

// Below this many bodies to read, handing them to other threads costs more
// than reading them here.
constexpr int kFewestForThreads = 8;

} // namespace

struct FragmentSearch::Block
{
    int begin = 0;
    int end = 0;
    std::vector<Visit> visits;
    QFuture<void> reading; // finished when read here
};

FragmentSearch::~FragmentSearch()
{
    if (m_next)
        m_next->reading.waitForFinished(); // its visits are read in place
}

std::unique_ptr<FragmentSearch::Block> FragmentSearch::startBlock(int begin) const
{
    auto block = std::make_unique<Block>();
    block->begin = begin;
    block->end = begin + qMin(m_total - begin, m_blockSize);
    block->visits.reserve(size_t(block->end - begin));
    int toRead = 0;
    for (int position = begin; position < block->end; ++position) {
        const int dict = int(m_articles.integerAt(position, m_dictField));
        if (!m_scope.passes(dict))
            continue;
        Visit visit;
        visit.position = position;
        visit.id = int(m_articles.integerAt(position, m_idField));
        visit.dict = dict;
        // An empty key matches nothing, and no body needs reading for it.
        if (!m_key.isEmpty() && !(m_cache && m_cache->find(visit.id))) {
            visit.body = m_articles.blobAt(position, m_bodyField, &visit.bodyIsNull);
            visit.read = true;
            ++toRead;
        }
        block->visits.push_back(std::move(visit));
    }

    const QString &key = m_key;
    const PreciseLetters *letters = m_exactLetters && m_letters.isPrecise() ? &m_letters : nullptr;
    const auto read = [&key, letters](Visit &visit) {
        if (!visit.read)
            return;
        const QString plain = bodyPlainText(visit.body, visit.bodyIsNull);
        visit.text = RetTransc(withoutInvisibles(plain));
        visit.matched = containsReadingYo(visit.text, key) && (!letters || letters->foundIn(plain));
    };
    if (toRead >= kFewestForThreads) {
        block->reading = QtConcurrent::map(block->visits, read);
    } else {
        std::for_each(block->visits.begin(), block->visits.end(), read);
        block->reading = QtFuture::makeReadyFuture();
    }
    return block;
}

void FragmentSearch::scanBlock(QVector<FoundArticle> *found)
{
    std::unique_ptr<Block> block = std::move(m_next);
    if (!block || block->begin != m_visited)
        block = startBlock(m_visited);
    // The pool reads the next block while this one is reported.
    if (block->end < m_total)
        m_next = startBlock(block->end);
    block->reading.waitForFinished();

    for (Visit &visit : block->visits) {
        bool matched = false;
        if (visit.read) {
            matched = visit.matched;
            if (m_cache)
                m_cache->insert(visit.id, std::move(visit.text));
        } else if (!m_key.isEmpty()) {
            matched = containsReadingYo(*m_cache->find(visit.id), m_key);
            if (matched && m_exactLetters && m_letters.isPrecise()) {
                // The cache keeps the converted text only: the precise letters are read from the body.
                bool isNull = false;
                const QByteArrayView stored = m_articles.blobAt(visit.position, m_bodyField, &isNull);
                matched = m_letters.foundIn(bodyPlainText(stored, isNull));
            }
        }
        if (matched) {
            m_results.append({visit.id, visit.dict, m_articles.valueAt(visit.position, m_wordField).toString()});
            if (found)
                found->append(m_results.constLast());
        }
    }
    m_visited = block->end;
}

bool FragmentSearch::step(std::chrono::nanoseconds budget, QVector<FoundArticle> *found)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = budget.count();
    while (m_visited < m_total) {
        scanBlock(found);
        if (clock.nsecsElapsed() >= limit)
            break;
    }
    return m_visited < m_total;
}

void FragmentSearch::runToEnd()
{
    while (step(std::chrono::hours(1))) {
    }
}

QVector<FoundArticle> FragmentSearch::run(Table &articles, const QString &query, const DictionaryScope &scope,
                                          PlainTextCache *cache, bool exactLetters)
{
    FragmentSearch search(articles, query, scope, cache);
    search.setExactLetters(exactLetters);
    search.runToEnd();
    return search.results();
}

} // namespace lumolex
