#pragma once

// Changing the font of a text view in place.

#include "article/articledocument.h"

class QTextEdit;

namespace lumolex {

// Family and size on the view and on every character of its document; the
// caret stays where it was and no selection remains.
void applyViewFont(QTextEdit *view, const ArticleFont &font);

} // namespace lumolex
