#include "search/querytext.h"

namespace lumolex {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

int TokenCount(QStringView text, QChar separator)
{
    if (text.isEmpty())
        return 0;
    return 1 + int(text.count(separator));
}

QString GetToken(QStringView text, QChar separator, int n)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype next = text.indexOf(separator, start);
        if (next < 0)
            return {};
        start = next + 1;
    }
    if (start > text.size())
        return {};
    const qsizetype end = text.indexOf(separator, start);
    return text.mid(start, end < 0 ? text.size() - start : end - start).toString();
}

QString trimQuery(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

QueryCheck checkQuery(QStringView trimmed)
{
    if (trimmed.isEmpty())
        return QueryCheck::Empty;
    if (trimmed.size() < kMinQueryLength)
        return QueryCheck::TooShort;
    return QueryCheck::Ok;
}

} // namespace lumolex
