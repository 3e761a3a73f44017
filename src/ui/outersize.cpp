#include "ui/outersize.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

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
    // A second call replaces the size still waiting for the frame.
    for (OuterSize *pending : window->findChildren<OuterSize *>(Qt::FindDirectChildrenOnly))
        delete pending;
    auto *sizer = new OuterSize(window, outer);
    sizer->fit();
}

void OuterSize::fit()
{
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
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
