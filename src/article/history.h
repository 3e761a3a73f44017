#pragma once

// The two history lists: the card history (words whose cards were opened)
// and the find history (texts searched for). Newest first, each entry once
// (letter case counts), at most 101 entries after a recording.

#include <QString>
#include <QStringList>

namespace lumolex {

// Entries kept before a new one is added on top.
inline constexpr int kHistoryKeep = 100;

// The text with every leading and trailing character up to U+0020 removed.
QString trimHistoryText(QStringView text);

// Drops the oldest entries down to kHistoryKeep, removes the first entry
// equal to entry (case-sensitive) and puts entry on top. An empty entry
// changes nothing. Answers whether the list changed.
bool recordHistoryEntry(QStringList &list, const QString &entry);

} // namespace lumolex
