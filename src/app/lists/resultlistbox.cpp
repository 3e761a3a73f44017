#include "app/lists/resultlistbox.h"

#include "app/lists/rowcolours.h"
#include "app/store/settings.h"
#include "app/lists/wordlistdelegate.h"
#include "ui/imagelist16.h"
#include "ui/wordhintwindow.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace lumolex {

namespace {

class ResultListDelegate : public QStyledItemDelegate
{
public:
    explicit ResultListDelegate(ResultListBox *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    // ListBoxFindMeasureItem
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(m_list->viewport()->width(), m_list->rowHeight());
    }

    // ListBoxFindDrawItem
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette &colours = m_list->palette();
        const Settings *settings = m_list->settings();
        const bool evenLines = settings ? settings->EvenLines : true;
        const RowColours rowColour =
            rowColours(colours, selected, resultRowTinted(index.row(), selected, evenLines),
                       settings ? settings->ColorEvenLines : Settings().ColorEvenLines);
        const QColor &background = rowColour.background;
        const QColor &textColour = rowColour.text;
        const QRect row = option.rect;
        painter->save();
        painter->fillRect(row, background);
        const QPixmap icon =
            ImageList16::shared().pixmap(ImageList16::listIconForDict(index.data(ResultListBox::DictRole).toInt()));
        painter->drawPixmap(row.left(), row.top() + WordListDelegate::iconTop(row.height(), ImageList16::ImageSize), icon);
        painter->setFont(m_list->font());
        painter->setPen(textColour);
        painter->drawText(QRect(row.left() + kResultTextLeft, row.top() + kResultTextTop,
                                row.width() - kResultTextLeft, row.height() - kResultTextTop),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
        painter->restore();
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            // The frame shows where the keyboard acts even when the focus
            // came by a click, not by Tab (some styles draw it only then).
            QStyleOptionFocusRect focus;
            focus.rect = row;
            focus.state = option.state | QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = background;
            m_list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_list);
        }
    }

private:
    ResultListBox *m_list;
};

} // namespace

ResultListBox::ResultListBox(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("ListBoxFind"));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(new ResultListDelegate(this));
}

void ResultListBox::setResults(const QVector<FoundArticle> &results)
{
    clear();
    appendResults(results);
}

void ResultListBox::appendResults(const QVector<FoundArticle> &results)
{
    for (const FoundArticle &found : results) {
        auto *item = new QListWidgetItem(found.word);
        item->setData(IdRole, found.id);
        item->setData(DictRole, found.dict);
        addItem(item);
    }
}

int ResultListBox::idAt(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->data(IdRole).toInt() : 0;
}

int ResultListBox::dictAt(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->data(DictRole).toInt() : 0;
}

WordHintWindow *ResultListBox::hintWindow() const
{
    return m_hint;
}

int ResultListBox::rowHeight() const
{
    return resultRowHeight(QFontInfo(font()).pixelSize());
}

void ResultListBox::mousePressEvent(QMouseEvent *event)
{
    // A right click opens the context menu and leaves the selection alone.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ResultListBox::mouseMoveEvent(QMouseEvent *event)
{
    QListWidget::mouseMoveEvent(event);
    ListBoxFindMouseMove(event->position().toPoint());
}

void ResultListBox::leaveEvent(QEvent *event)
{
    ListBoxFindMouseLeave();
    QListWidget::leaveEvent(event);
}

void ResultListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        scheduleDelayedItemsLayout();   // every row is measured again
}

void ResultListBox::ListBoxFindMouseMove(const QPoint &pos)
{
    if (m_settings && !m_settings->HintWord)
        return;
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return;
    if (!m_hintTracker.moveTo(index.row(), pos.x()))
        return;
    if (m_hint)
        m_hint->hide();
    const QString word = index.data(Qt::DisplayRole).toString();
    if (!resultHintNeeded(QFontMetrics(font()).horizontalAdvance(word), viewport()->width()))
        return;
    if (!m_hint)
        m_hint = new WordHintWindow(this);
    m_hint->showWord(word, font(), palette().color(QPalette::Base), viewport()->mapToGlobal(pos));
}

void ResultListBox::ListBoxFindMouseLeave()
{
    if (m_hint)
        m_hint->hide();
    m_hintTracker.leave();
}

} // namespace lumolex
