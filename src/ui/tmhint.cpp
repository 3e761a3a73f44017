#include "ui/tmhint.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

namespace lumolex {

namespace {

// Where the toolkit puts a hint's top-left corner relative to the pointer.
const QPoint kHintOffset(2, 16);

} // namespace

TMHint::TMHint(QObject *owner, int screenSize)
    : QObject(owner)
    , ScreenSize(screenSize)
{
    setObjectName(QStringLiteral("MHint1"));
    if (ScreenSize <= 0) {
        const QScreen *primary = QGuiApplication::primaryScreen();
        ScreenSize = primary ? primary->geometry().height() : 0;
    }
    if (qApp)
        qApp->installEventFilter(this);
}

TMHint::~TMHint()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TMHint::ShowHint(QString &hintText, QPoint &hintPos) const
{
    if (!FActive)
        return;
    // Only the separators change: blanks beside them stay.
    hintText.replace(FSeparator, QLatin1Char('\n'));
    if (ScreenSize > 0 && hintPos.y() + 10 > ScreenSize)
        hintPos.setY(ScreenSize - 11);
}

bool TMHint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !FActive || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    QString text = widget->toolTip();
    // Views and menus show hints of their items themselves.
    if (text.isEmpty())
        return QObject::eventFilter(watched, event);
    const auto *help = static_cast<QHelpEvent *>(event);
    QPoint hintPos = help->globalPos() + kHintOffset;
    ShowHint(text, hintPos);
    QToolTip::showText(hintPos - kHintOffset, text, widget, QRect(), widget->toolTipDuration());
    return true;
}

} // namespace lumolex
