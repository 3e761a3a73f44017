#pragma once

// The preview pane of the settings dialog: a copy of the current article in
// the font the dialog's fields name, with narrow paragraph indents.

#include "article/articledocument.h"

class QTextDocument;
class QTextEdit;

namespace lumolex {

// Shows a copy of `article` in `preview` (replacing what it showed) with
// every character in `font`, each paragraph's first line 6 points from the
// left edge, its following lines 3 points from it, a right indent of
// 3 points, and the caret at the start.
void fillSetupPreview(QTextEdit *preview, const QTextDocument *article, const ArticleFont &font);

// Puts `font` on every character of the preview and the caret at the start;
// the paragraph indents stay.
void restyleSetupPreview(QTextEdit *preview, const ArticleFont &font);

} // namespace lumolex
