#include "search/arrid.h"

#include <climits>

namespace lumolex {

namespace {

QStringView trimmedEntry(QStringView entry)
{
    while (!entry.isEmpty() && entry.front().unicode() <= 32)
        entry = entry.sliced(1);
    while (!entry.isEmpty() && entry.back().unicode() <= 32)
        entry.chop(1);
    return entry;
}

// A decimal integer with an optional sign that fits in 32 bits.
bool readDecimal(QStringView text, int *value)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return false;
    qint64 number = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c.unicode() - u'0');
        if (number > qint64(INT_MAX) + 1)
            return false;
    }
    if (negative)
        number = -number;
    if (number > INT_MAX || number < INT_MIN)
        return false;
    *value = int(number);
    return true;
}

} // namespace

void parseArrId(QStringView arrid, std::vector<int> &ids)
{
    ids.clear();
    qsizetype start = 0;
    while (start <= arrid.size()) {
        qsizetype end = arrid.indexOf(u'|', start);
        if (end < 0)
            end = arrid.size();
        const QStringView entry = trimmedEntry(arrid.mid(start, end - start));
        if (!entry.isEmpty()) {
            int id = 0;
            if (readDecimal(entry, &id))
                ids.push_back(id);
        }
        start = end + 1;
    }
}

} // namespace lumolex
