#include "data/wordlist/typeahead.h"

#include "data/table/collation.h"
#include "data/table/spelling.h"
#include "data/table/table.h"

#include <QStringList>

namespace lumolex {

namespace {

constexpr char16_t kSmallIe = 0x0435; // е

} // namespace

TypeAhead::TypeAhead(Table &articles)
    : m_articles(articles)
    , m_transcField(articles.fieldIndex(u"TRANSC"))
    , m_wordField(articles.fieldIndex(u"WORD"))
{
}

int TypeAhead::firstWithPrefix(const QString &key)
{
    m_articles.findNearest(key);
    const int position = m_articles.recordNumber() - 1;
    const std::string prefix = KeyCollation::sortKey(key);
    return KeyCollation::keyHasPrefix(m_articles.sortKeyAt(position, m_transcField), prefix) ? position : -1;
}

int TypeAhead::exactSpelling(int position, const QString &key, QStringView typed) const
{
    const std::string wanted = KeyCollation::sortKey(key);
    const int count = m_articles.recordCount();
    QString buffer;
    for (int p = position; p < count && m_articles.sortKeyAt(p, m_transcField) == wanted; ++p) {
        if (SpellingCollation::spelledAs(m_articles.textAt(p, m_wordField, buffer), typed))
            return p;
    }
    return position;
}

bool TypeAhead::land(QStringView typed, const QString &key)
{
    if (m_articles.isEmpty())
        return false;
    m_articles.suspendNotifications();
    QString landedKey = key;
    int position = firstWithPrefix(key);
    if (position < 0 && key.contains(QChar(kSmallIe))) {
        const QStringList spellings = yoSpellings(key);
        for (qsizetype s = 1; s < spellings.size() && position < 0; ++s) {
            position = firstWithPrefix(spellings[s]);
            landedKey = spellings[s];
        }
        if (position < 0)
            m_articles.findNearest(key);
    }
    if (position >= 0) {
        const int exact = exactSpelling(position, landedKey, SpellingCollation::typedForm(typed));
        if (exact != m_articles.recordNumber() - 1)
            m_articles.setRecordNumber(exact + 1);
    }
    m_articles.resumeNotifications();
    return true;
}

} // namespace lumolex
