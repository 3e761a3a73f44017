#include "article/view/richtextview.h"

#include <QTextDocument>
#include <QTextFrame>

namespace lumolex {

namespace {
constexpr int kTextMargin = 10;
} // namespace

void applyTextMargins(QTextDocument *doc)
{
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (format.leftMargin() == kTextMargin && format.rightMargin() == kTextMargin
        && format.topMargin() == 0 && format.bottomMargin() == 0)
        return;
    format.setLeftMargin(kTextMargin);
    format.setRightMargin(kTextMargin);
    format.setTopMargin(0);
    format.setBottomMargin(0);
    root->setFrameFormat(format);
}

RichTextView::RichTextView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    // A read-only view still shows the caret and moves it with the keyboard,
    // so the position field can follow it.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    setUndoRedoEnabled(false);
}

void RichTextView::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    emit resized();
}

} // namespace lumolex
