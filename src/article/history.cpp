#include "article/history.h"

namespace lumolex {

QString trimHistoryText(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin).toString();
}

bool recordHistoryEntry(QStringList &list, const QString &entry)
{
    if (entry.isEmpty())
        return false;
    while (list.size() > kHistoryKeep)
        list.removeLast();
    const qsizetype existing = list.indexOf(entry, 0);
    if (existing >= 0)
        list.removeAt(existing);
    list.prepend(entry);
    return true;
}

} // namespace lumolex
