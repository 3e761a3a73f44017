#include "search/fastwordsearch.h"

#include "article/transcription.h"
#include "data/collation.h"
#include "data/dataloader.h"
#include "data/datafileschema.h"
#include "data/table.h"
#include "search/arrid.h"
#include "search/querytext.h"

#include <QHash>

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace lumolex {

namespace {

// One article of the working list: reached by the first word, and by the
// words after it up to `token`. Its headword and key are read only once it
// has matched every word.
struct WorkEntry {
    int id = 0;
    int dict = 0;
    int position = 0; // in the article table's ID order
    int token = 0;    // how many words, counted from the first, it has matched
};

// The token of an ID the first word reached without an article to list (none
// with that ID, or out of scope): remembered so it is looked up only once,
// and never matched.
constexpr int kRejected = -1;

// a < b when both are written as decimal text: the order of IDs in the
// results among articles of one key.
bool idTextLess(int a, int b)
{
    char textA[16];
    char textB[16];
    const char *endA = std::to_chars(textA, textA + sizeof textA, a).ptr;
    const char *endB = std::to_chars(textB, textB + sizeof textB, b).ptr;
    return std::string_view(textA, size_t(endA - textA)) < std::string_view(textB, size_t(endB - textB));
}

// The first eight bytes of a sort key, big-endian and zero-padded: where two
// of them differ, they order as the whole keys do.
quint64 keyPrefix(std::string_view key)
{
    quint64 prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

// The working list of one search: each article at most once, looked up by
// its ID (which alone determines its key "TRANSC|ID").
class WorkingList
{
public:
    WorkEntry *find(int id)
    {
        const auto it = m_byId.constFind(id);
        return it == m_byId.cend() ? nullptr : &m_entries[*it];
    }
    void add(const WorkEntry &entry)
    {
        m_byId.insert(entry.id, int(m_entries.size()));
        m_entries.push_back(entry);
    }
    bool anyAt(int token) const
    {
        return std::any_of(m_entries.begin(), m_entries.end(), [token](const WorkEntry &e) { return e.token == token; });
    }
    // The entries that matched `words` words, in result order: by key, then
    // by ID compared as text.
    QVector<FoundArticle> matching(int words, const Table &articles, int wordField, int transcField) const
    {
        struct Ranked {
            quint64 prefix;
            std::string key;
            const WorkEntry *entry;
        };
        std::vector<Ranked> ranked;
        for (const WorkEntry &entry : m_entries) {
            if (entry.token != words)
                continue;
            std::string key = KeyCollation::sortKey(articles.valueAt(entry.position, transcField).toString());
            const quint64 prefix = keyPrefix(key);
            ranked.push_back({prefix, std::move(key), &entry});
        }
        std::sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
            if (a.prefix != b.prefix)
                return a.prefix < b.prefix;
            const int byKey = KeyCollation::compareKeys(a.key, b.key);
            return byKey != 0 ? byKey < 0 : idTextLess(a.entry->id, b.entry->id);
        });
        QVector<FoundArticle> results;
        results.reserve(qsizetype(ranked.size()));
        for (const Ranked &r : ranked)
            results.append({r.entry->id, r.entry->dict, articles.valueAt(r.entry->position, wordField).toString()});
        return results;
    }

private:
    std::vector<WorkEntry> m_entries;
    QHash<int, int> m_byId;
};

} // namespace

FastWordSearch::FastWordSearch(Table &articles, Table &wordForms)
    : m_articles(articles)
    , m_wordForms(wordForms)
{
}

QVector<FoundArticle> FastWordSearch::run(const QString &query, const DictionaryScope &scope)
{
    const int dictField = m_articles.fieldIndex(QString::fromLatin1(field::DICT));
    const int wordField = m_articles.fieldIndex(QString::fromLatin1(field::WORD));
    const int transcField = m_articles.fieldIndex(QString::fromLatin1(field::TRANSC));
    const int arridField = m_wordForms.fieldIndex(QString::fromLatin1(field::ARRID));

    m_articles.setFiltered(false);
    m_articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));
    m_wordForms.setActiveIndex(QString::fromLatin1(kIndexWordFormKey));

    // The words are taken narrowest range first: the set of articles that
    // match every word does not depend on the order, and the first word is
    // the one whose articles are looked up, so it should reach few.
    const QChar blank(u' ');
    const int words = TokenCount(query, blank);
    struct Word {
        QString key;
        int forms;
    };
    std::vector<Word> order;
    order.reserve(size_t(words));
    for (int i = 1; i <= words; ++i) {
        const QString key = RetTransc(GetToken(query, blank, i));
        m_wordForms.setPrefixRange(key);
        order.push_back({key, m_wordForms.recordCount()});
    }
    std::stable_sort(order.begin(), order.end(), [](const Word &a, const Word &b) { return a.forms < b.forms; });

    WorkingList list;
    std::vector<int> ids;
    for (int i = 1; i <= words; ++i) {
        // An article the previous word did not reach can never be listed.
        if (i > 1 && !list.anyAt(i - 1))
            break;
        m_wordForms.setPrefixRange(order[size_t(i - 1)].key);
        const int forms = m_wordForms.recordCount();
        for (int form = 0; form < forms; ++form) {
            parseArrId(m_wordForms.valueAt(form, arridField).toString(), ids);
            for (int id : ids) {
                WorkEntry *entry = list.find(id);
                if (i > 1) {
                    // Only articles already in the list can go on matching.
                    if (entry && entry->token == i - 1)
                        entry->token = i;
                    continue;
                }
                if (entry)
                    continue;
                if (!m_articles.findKey({id})) {
                    list.add({id, 0, 0, kRejected});
                    continue;
                }
                const int dict = m_articles.value(dictField).toInt();
                list.add({id, dict, m_articles.recordNumber() - 1, scope.passes(dict) ? 1 : kRejected});
            }
        }
    }
    m_wordForms.cancelRange();
    return list.matching(words, m_articles, wordField, transcField);
}

} // namespace lumolex
