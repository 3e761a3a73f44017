#pragma once

// Data values (headwords above all) drawn inside the program's own layout:
// a row of the word list, a card's title. A value comes from the data files
// and may hold anything; it must not reorder or break what surrounds it.

#include <QString>

namespace lumolex {

// The value as it is drawn: each control character (line breaks, tabs,
// every code below U+0020 and from U+007F to U+009F) shown as a visible
// placeholder (its control picture, U+2400..U+2421, or U+FFFD), and the direction embeddings,
// overrides and isolates left out, so that the value runs left to right and
// stays on one line. The same text back when it holds none of them.
QString displayText(const QString &value);

} // namespace lumolex
