#pragma once

// What keeps a long article body quick to show.
//
// Laying out rich text costs time in proportion to its length, and a line
// with nothing to break it at (one endless word) costs time in proportion to
// the square of its length. So an article view holds at most
// kMaxShownCharacters characters, followed by a note that says so, and every
// run of more than kMaxUnbrokenRun characters without a place to break the
// line gets one (a zero-width space).

#include <QString>

class QTextDocument;

namespace lumolex {

inline constexpr int kMaxShownCharacters = 100000;
inline constexpr int kMaxUnbrokenRun = 200;

// "Статья слишком длинна: показаны первые N знаков".
QString tooLongNotice(qsizetype shown);

// Cuts text after kMaxShownCharacters characters (never inside a surrogate
// pair); true when it did.
bool cutToShownLength(QString *text);

// Adds the notice as a last paragraph of doc, in italics.
void appendTooLongNotice(QTextDocument *doc, qsizetype shown);

// Puts a zero-width space into every run of more than kMaxUnbrokenRun
// characters of a paragraph that has no space, hyphen or other break in it.
// Answers the number of spaces put in.
int breakOverlongRuns(QTextDocument *doc);

} // namespace lumolex
