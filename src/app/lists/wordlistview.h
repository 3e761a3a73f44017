#pragma once

// The word list control DBGrid1: one column of headwords without title row,
// row indicator or grid lines, vertical scroll bar only. Its rows all have
// the same height, so a view of any size lays out at once.

#include <QListView>

namespace lumolex {

class WordListView : public QListView
{
    Q_OBJECT
public:
    explicit WordListView(QWidget *parent = nullptr);

    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int pixels);

    // Rows that fit in the visible area (at least 1).
    int visibleRowCount() const;
    // Visible row under a point of the viewport (row 0 at the top), -1 when
    // the point is below the last row.
    int visibleRowAt(const QPoint &viewportPos) const;
    // Table row drawn on a visible row, -1 when there is none.
    int modelRowOfVisibleRow(int visibleRow) const;

    // Typing never searches the list: letters go to the word box instead.
    void keyboardSearch(const QString &) override {}

signals:
    void rowHeightChanged();

protected:
    // Only the left button picks a row; the others leave the current row.
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_rowHeight = 24;
};

} // namespace lumolex
