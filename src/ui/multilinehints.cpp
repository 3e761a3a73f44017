#include "ui/multilinehints.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace lumolex {

QString multiLineHintText(const QString &hint)
{
    QString text = hint;
    return text.replace(QLatin1Char('@'), QLatin1Char('\n'));
}

bool MultiLineHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const QString hint = widget->toolTip();
        if (hint.contains(QLatin1Char('@'))) {
            const auto *help = static_cast<QHelpEvent *>(event);
            QToolTip::showText(help->globalPos(), multiLineHintText(hint), widget);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumolex
