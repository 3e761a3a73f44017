#include "ui/windowappearance.h"

#include <QWidget>
#include <QWindow>

namespace lumolex {

int transparencyAlpha(int percent)
{
    const int p = qBound(0, percent, 100);
    return (100 - p) * 255 / 100;
}

void applyTransparency(QWidget *window, int percent)
{
    if (!window)
        return;
    const int alpha = transparencyAlpha(percent);
    window->setWindowOpacity(alpha == 255 ? 1.0 : alpha / 255.0);
}

void applyTransparency(const QList<QWidget *> &windows, int percent)
{
    for (QWidget *window : windows)
        applyTransparency(window, percent);
}

void setStaysOnTop(QWidget *window, bool on)
{
    if (!window)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // QWidget::setWindowFlags would hide the window and create it anew (it
    // flashes and may land elsewhere): the widget only records the flags,
    // and the existing native window is told directly.
    window->overrideWindowFlags(flags);
    if (QWindow *handle = window->windowHandle())
        handle->setFlags(flags);
}

} // namespace lumolex
