#pragma once

// The forward search of the find dialog in the article shown.

#include <QString>

class QTextDocument;

namespace lumolex {

// Position of the first occurrence of `what` in `document` at or after
// `from` (character positions from 0), -1 when there is none further on. The
// search never wraps round to the start. Matches need not be whole words.
int findForward(const QTextDocument &document, const QString &what, int from, bool caseSensitive);

} // namespace lumolex
