#include "search/fragmentsearch.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/dataloader.h"
#include "data/datafileschema.h"
#include "data/table.h"
#include "search/plaintextcache.h"

#include <QElapsedTimer>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <vector>

namespace lumolex {

QString fragmentSearchText(const QByteArray &stored, bool isNull)
{
    return RetTransc(bodyPlainText(stored, isNull));
}

FragmentSearch::FragmentSearch(Table &articles, const QString &query, const DictionaryScope &scope,
                               PlainTextCache *cache, int blockSize)
    : m_articles(articles)
    , m_scope(scope)
    , m_cache(cache)
    , m_key(RetTransc(query))
    , m_idField(articles.fieldIndex(QString::fromLatin1(field::ID)))
    , m_dictField(articles.fieldIndex(QString::fromLatin1(field::DICT)))
    , m_wordField(articles.fieldIndex(QString::fromLatin1(field::WORD)))
    , m_bodyField(articles.fieldIndex(QString::fromLatin1(field::TRANSL)))
{
    m_articles.setFiltered(false);
    if (m_articles.activeIndex() != QLatin1String(kIndexArticleKey))
        m_articles.setActiveIndex(QString::fromLatin1(kIndexArticleKey));
    m_total = m_articles.recordCount();
    m_blockSize = qMax(1, blockSize);
}

namespace {

// An article of a block in scope, and its text when the block had to read it.
struct Visit
{
    int position;
    int id;
    int dict;
    QVariant body;      // the stored body, when its text is not in the cache
    QString text;       // read from `body`
    bool read = false;
};

// Below this many bodies to read, handing them to other threads costs more
// than reading them here.
constexpr int kFewestForThreads = 8;

} // namespace

void FragmentSearch::scanBlock(int end, QVector<FoundArticle> *found)
{
    std::vector<Visit> visits;
    visits.reserve(size_t(end - m_visited));
    int toRead = 0;
    for (int position = m_visited; position < end; ++position) {
        const int dict = int(m_articles.valueAt(position, m_dictField).toLongLong());
        if (!m_scope.passes(dict))
            continue;
        Visit visit{position, int(m_articles.valueAt(position, m_idField).toLongLong()), dict, {}, {}};
        // An empty key matches nothing, and no body needs reading for it.
        if (!m_key.isEmpty() && !(m_cache && m_cache->find(visit.id))) {
            visit.body = m_articles.valueAt(position, m_bodyField);
            visit.read = true;
            ++toRead;
        }
        visits.push_back(std::move(visit));
    }

    const auto read = [](Visit &visit) {
        if (visit.read)
            visit.text = fragmentSearchText(visit.body.toByteArray(), !visit.body.isValid());
    };
    if (toRead >= kFewestForThreads)
        QtConcurrent::blockingMap(visits, read);
    else
        std::for_each(visits.begin(), visits.end(), read);

    for (Visit &visit : visits) {
        bool matched = false;
        if (visit.read) {
            matched = visit.text.contains(m_key);
            if (m_cache)
                m_cache->insert(visit.id, std::move(visit.text));
        } else if (!m_key.isEmpty()) {
            matched = m_cache->find(visit.id)->contains(m_key);
        }
        if (matched) {
            m_results.append({visit.id, visit.dict, m_articles.valueAt(visit.position, m_wordField).toString()});
            if (found)
                found->append(m_results.constLast());
        }
    }
    m_visited = end;
}

bool FragmentSearch::step(std::chrono::nanoseconds budget, QVector<FoundArticle> *found)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = budget.count();
    while (m_visited < m_total) {
        scanBlock(m_visited + qMin(m_total - m_visited, m_blockSize), found);
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
                                          PlainTextCache *cache)
{
    FragmentSearch search(articles, query, scope, cache);
    search.runToEnd();
    return search.results();
}

} // namespace lumolex
