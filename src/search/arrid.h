#pragma once

// The ARRID field of the word-form table: the IDs of the articles that hold
// a word form, written as "|5|9|12|".

#include <QStringView>

#include <vector>

namespace lumolex {

// Replaces `ids` with the IDs of `arrid` in their order, repeats kept. The
// text is split at "|"; each entry is trimmed of characters of code 32 and
// below; empty entries and entries that are not a decimal integer are
// skipped.
void parseArrId(QStringView arrid, std::vector<int> &ids);

} // namespace lumolex
