#include "search/fragmentsearch.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/dataloader.h"
#include "data/datafileschema.h"
#include "data/table.h"
#include "search/plaintextcache.h"

#include <QElapsedTimer>

namespace lumolex {

QString fragmentSearchText(const QByteArray &stored, bool isNull)
{
    return RetTransc(bodyPlainText(stored, isNull));
}

FragmentSearch::FragmentSearch(Table &articles, const QString &query, const DictionaryScope &scope,
                               PlainTextCache *cache)
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
}

bool FragmentSearch::matches(int position, int id)
{
    // An empty key matches nothing, and no body needs reading for it.
    if (m_key.isEmpty())
        return false;
    if (m_cache) {
        if (const QString *kept = m_cache->find(id))
            return kept->contains(m_key);
    }
    const QVariant body = m_articles.valueAt(position, m_bodyField);
    QString text = fragmentSearchText(body.toByteArray(), !body.isValid());
    const bool found = text.contains(m_key);
    if (m_cache)
        m_cache->insert(id, std::move(text));
    return found;
}

bool FragmentSearch::step(std::chrono::nanoseconds budget, QVector<FoundArticle> *found)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = budget.count();
    while (m_visited < m_total) {
        const int position = m_visited++;
        const int dict = int(m_articles.valueAt(position, m_dictField).toLongLong());
        if (m_scope.passes(dict)) {
            const int id = int(m_articles.valueAt(position, m_idField).toLongLong());
            if (matches(position, id)) {
                m_results.append({id, dict, m_articles.valueAt(position, m_wordField).toString()});
                if (found)
                    found->append(m_results.constLast());
            }
        }
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
