#include "app/shell/appmessages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace lumolex {

namespace {

// A box is as wide as its text and buttons, but the window manager draws
// its title beside the window's icon and the title-bar buttons, often in a
// bold font: "Поиск в словарях" over "Не найдено!" was cut to "По…рях". A
// spacer as wide as the title with that room keeps the whole title readable.
void makeRoomForTitle(QMessageBox &box)
{
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int titleBarButton = metrics.height() + 8;
    const int wanted = metrics.horizontalAdvance(box.windowTitle()) + 4 * titleBarButton + 16;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace

DialogAppMessageBoxes::DialogAppMessageBoxes(QWidget *parent)
    : m_parent(parent)
{
}

void DialogAppMessageBoxes::show(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);   // texts carry file names and data values
    makeRoomForTitle(box);
    box.exec();
}

bool DialogAppMessageBoxes::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    makeRoomForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace lumolex
