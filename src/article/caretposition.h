#pragma once

// Where the caret stands in a laid-out document, counted in display lines:
// the lines as wrapped on screen, not paragraphs.

#include <QString>

class QTextDocument;

namespace lumolex {

struct CaretPosition {
    int line = 0;     // 0-based display line holding the position
    int column = 0;   // 0-based distance from the first character of that line
    bool operator==(const CaretPosition &) const = default;
};

// The display line and column of a character position of doc. Lays the
// document out up to that position when its layout has not got there yet.
CaretPosition caretPosition(const QTextDocument &doc, int position);

// The caret field text: line + 1 and column + 1, each right-aligned in at
// least three characters, joined by " : ".
QString caretPositionText(const CaretPosition &position);

} // namespace lumolex
