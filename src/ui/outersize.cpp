#include "ui/outersize.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace lumolex {

namespace {
// How long after the show the window system may take to tell the frame.
constexpr int kFrameWaitMs = 3000;
} // namespace

OuterSize::OuterSize(QWidget *window, QSize outer)
    : QObject(window)
    , m_window(window)
    , m_outer(outer)
{
    window->installEventFilter(this);
}

void OuterSize::apply(QWidget *window, QSize outer)
{
    auto *sizer = new OuterSize(window, outer);
    sizer->fit();
}

void OuterSize::fit()
{
    // The frame as the window system reports it (the frame geometry may lag
    // behind a resize just made).
    const QWindow *handle = m_window->windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (m_window->size() != m_outer - frame)
        m_window->resize(m_outer - frame);
    // Done once the frame is known.
    if (!frame.isNull())
        deleteLater();
}

bool OuterSize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            // A window that has no frame (no window manager) is left to
            // the user's sizing soon after it is shown.
            QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
            if (m_window->isVisible())
                fit();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_window->isVisible())
                fit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumolex
