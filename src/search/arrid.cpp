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
    const QChar *const end = arrid.data() + arrid.size();
    const QChar *start = arrid.data();
    while (true) {
        const QChar *stop = start;
        while (stop != end && *stop != u'|')
            ++stop;
        const QStringView entry = trimmedEntry(QStringView(start, stop));
        if (!entry.isEmpty()) {
            int id = 0;
            if (readDecimal(entry, &id))
                ids.push_back(id);
        }
        if (stop == end)
            break;
        start = stop + 1;
    }
}

} // namespace lumolex
