#include "search/plaintextcache.h"

namespace lumolex {

namespace {

// The string's header, the hash node (key, value, bucket) and the
// allocator's rounding, as measured on a 64-bit build.
constexpr qsizetype kEntryOverhead = 64;

} // namespace

PlainTextCache::PlainTextCache(qsizetype budgetBytes)
    : m_budget(budgetBytes)
{
}

const QString *PlainTextCache::find(int id) const
{
    const auto it = m_texts.constFind(id);
    return it == m_texts.cend() ? nullptr : &*it;
}

qsizetype PlainTextCache::costOf(const QString &text)
{
    return text.size() * qsizetype(sizeof(QChar)) + kEntryOverhead;
}

bool PlainTextCache::insert(int id, QString text)
{
    if (m_texts.contains(id))
        return true;
    text.squeeze();   // the reader's growth reserve is not kept
    const qsizetype cost = costOf(text);
    if (m_bytes + cost > m_budget)
        return false;
    m_texts.insert(id, std::move(text));
    m_bytes += cost;
    return true;
}

void PlainTextCache::clear()
{
    m_texts.clear();
    m_bytes = 0;
}

} // namespace lumolex
