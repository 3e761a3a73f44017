#include "app/lists/wordlistview.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace lumolex {

WordListView::WordListView(QWidget *parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);

    // The current row stays highlighted when the list does not have the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

void WordListView::setRowHeight(int pixels)
{
    if (pixels < 1 || pixels == m_rowHeight)
        return;
    m_rowHeight = pixels;
    emit rowHeightChanged();
    scheduleDelayedItemsLayout();
}

int WordListView::visibleRowCount() const
{
    return qMax(1, viewport()->height() / m_rowHeight);
}

int WordListView::visibleRowAt(const QPoint &viewportPos) const
{
    if (viewportPos.y() < 0)
        return -1;
    const int visibleRow = viewportPos.y() / m_rowHeight;
    return modelRowOfVisibleRow(visibleRow) < 0 ? -1 : visibleRow;
}

int WordListView::modelRowOfVisibleRow(int visibleRow) const
{
    const QModelIndex index = indexAt(QPoint(1, visibleRow * m_rowHeight + m_rowHeight / 2));
    return index.isValid() ? index.row() : -1;
}

void WordListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

} // namespace lumolex
