#pragma once

// Drawing of one word list row (DBGrid1DrawColumnCell): the dictionary's
// icon, the headword, and every other row tinted when EvenLines is on.
// Each drawn word is kept in the row-word cache for the word hint.

#include <QStringList>
#include <QStyledItemDelegate>

namespace lumolex {

struct Settings;
class WordListView;

class WordListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // `settings` gives EvenLines and ColorEvenLines; `rowWords` is the
    // row-word cache, entry n the word last drawn on visible row n.
    WordListDelegate(WordListView *list, const Settings *settings, QStringList *rowWords);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Vertical offset of a 16-pixel icon in a cell of that height.
    static int iconTop(int cellHeight, int iconHeight = 16);

private:
    void DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const;

    WordListView *m_list;
    const Settings *m_settings;
    QStringList *m_rowWords;
};

} // namespace lumolex
