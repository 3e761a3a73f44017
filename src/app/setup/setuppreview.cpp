#include "app/setup/setuppreview.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace lumolex {

namespace {

// Document lengths are pixels of the view.
qreal pointsToPixels(const QWidget *view, qreal points)
{
    return points * view->logicalDpiY() / 72.0;
}

void caretToStart(QTextEdit *preview)
{
    QTextCursor cursor(preview->document());
    cursor.setPosition(0);
    preview->setTextCursor(cursor);
}

} // namespace

void fillSetupPreview(QTextEdit *preview, const QTextDocument *article, const ArticleFont &font)
{
    // A copy shown before is the preview's own; the view's first document
    // belongs to the view, which deletes it on replacing it.
    QTextDocument *earlierCopy = preview->document()->parent() == preview ? preview->document() : nullptr;
    QTextDocument *copy = article ? article->clone(preview) : new QTextDocument(preview);
    copy->setUndoRedoEnabled(false);
    preview->setDocument(copy);
    delete earlierCopy;

    const qreal three = pointsToPixels(preview, 3);
    QTextBlockFormat indents;
    indents.setLeftMargin(three);     // following lines: 3 points from the edge
    indents.setTextIndent(three);     // the first line 3 points further: 6
    indents.setRightMargin(three);
    QTextCursor all(copy);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(indents);
    restyleSetupPreview(preview, font);
}

void restyleSetupPreview(QTextEdit *preview, const ArticleFont &font)
{
    imposeFont(preview->document(), font);
    caretToStart(preview);
}

} // namespace lumolex
