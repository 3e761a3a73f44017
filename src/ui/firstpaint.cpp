#include "ui/firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lumolex {

FirstPaintWatch::FirstPaintWatch(QWidget *widget, std::function<void()> painted, std::function<void()> starting)
    : QObject(widget)
    , m_painted(std::move(painted))
    , m_starting(std::move(starting))
{
    widget->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        watched->removeEventFilter(this);
        if (m_starting)
            m_starting();
        // The paint runs inside the window's repaint, which ends with the
        // flush to the screen: the timer fires after both.
        QTimer::singleShot(0, this, [this] {
            if (m_painted)
                m_painted();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumolex
