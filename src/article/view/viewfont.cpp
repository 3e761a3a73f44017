#include "article/view/viewfont.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace lumolex {

void applyViewFont(QTextEdit *view, const ArticleFont &font)
{
    const int caret = view->textCursor().position();
    QFont viewFont = view->font();
    viewFont.setFamilies(QStringList{font.family});
    viewFont.setPointSize(font.pointSize);
    view->setFont(viewFont);
    // The view does not paint the half-changed text.
    view->setUpdatesEnabled(false);
    imposeFont(view->document(), font);
    view->setUpdatesEnabled(true);
    QTextCursor cursor(view->document());
    cursor.setPosition(qBound(0, caret, view->document()->characterCount() - 1));
    view->setTextCursor(cursor);
    view->viewport()->update();
}

} // namespace lumolex
