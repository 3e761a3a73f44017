#include "app/lists/wordlistdelegate.h"

#include "app/lists/rowcolours.h"
#include "app/store/settings.h"
#include "app/lists/wordlistview.h"
#include "data/wordlist/wordlistmodel.h"
#include "ui/displaytext.h"
#include "ui/imagelist16.h"

#include <QPainter>

namespace lumolex {

namespace {
constexpr int kTextLeft = 20;
constexpr int kTextTop = 4;
} // namespace

WordListDelegate::WordListDelegate(WordListView *list, const Settings *settings, QStringList *rowWords)
    : QStyledItemDelegate(list)
    , m_list(list)
    , m_settings(settings)
    , m_rowWords(rowWords)
{
}

int WordListDelegate::iconTop(int cellHeight, int iconHeight)
{
    return iconHeight < cellHeight ? (cellHeight - iconHeight) / 2 + 2 : 0;
}

QSize WordListDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(m_list->viewport()->width(), m_list->rowHeight());
}

void WordListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    DBGrid1DrawColumnCell(painter, option, index);
}

void WordListDelegate::DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    const QVariant word = index.data(Qt::DisplayRole);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette &colours = m_list->palette();
    if (!word.isValid()) {
        painter->fillRect(option.rect, colours.color(QPalette::Base));
        return;
    }

    const int dict = index.data(WordListModel::DictRole).toInt();
    const int recordNumber = index.data(WordListModel::RecordNumberRole).toInt();

    const bool tinted = m_settings->EvenLines && !selected && recordNumber % 2 == 1;
    const RowColours rowColour = rowColours(colours, selected, tinted, m_settings->ColorEvenLines);
    const QColor &background = rowColour.background;
    const QColor &textColour = rowColour.text;

    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, background);

    const QPixmap icon = ImageList16::shared().pixmap(ImageList16::listIconForDict(dict));
    painter->drawPixmap(cell.left(), cell.top() + iconTop(cell.height(), ImageList16::ImageSize), icon);

    // A headword is drawn left to right on one line beside its icon,
    // whatever control or direction characters it holds.
    const QString text = word.toString();
    painter->setFont(m_list->font());
    painter->setPen(textColour);
    painter->setLayoutDirection(Qt::LeftToRight);
    painter->drawText(QRect(cell.left() + kTextLeft, cell.top() + kTextTop, cell.width() - kTextLeft,
                            cell.height() - kTextTop),
                      Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, lumolex::displayText(text));
    painter->restore();

    // Row-word cache for the word hint.
    const int visibleRows = m_list->visibleRowCount();
    while (m_rowWords->size() < visibleRows)
        m_rowWords->append(QString());
    if (cell.height() > 0) {
        const int visibleRow = cell.top() / cell.height();
        if (visibleRow >= 0 && visibleRow < m_rowWords->size())
            (*m_rowWords)[visibleRow] = text;
    }
}

} // namespace lumolex
