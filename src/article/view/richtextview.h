#pragma once

// A read-only rich-text view that reports its resizes.
//
// The caret position field counts display lines after word wrap, so it must
// be refreshed whenever the view's width changes; resized() is emitted after
// the view has laid its document out for the new size.

#include <QTextEdit>

class QTextDocument;

namespace lumolex {

// The text keeps 10 pixels from the left and right edges and uses the full
// height: the root frame's margins play the role of a formatting rectangle.
// Cheap when nothing changed.
void applyTextMargins(QTextDocument *doc);

class RichTextView : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextView(QWidget *parent = nullptr);   // read-only, wrapped, vertical scroll bar only, no border

signals:
    void resized();                                     // after the new width has been applied

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace lumolex
