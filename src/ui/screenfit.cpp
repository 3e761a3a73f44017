#include "ui/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumolex {

namespace {

// The start of a span of `length` moved into [areaStart, areaStart + areaLength).
int fitSpan(int start, int length, int areaStart, int areaLength)
{
    if (start + length > areaStart + areaLength)
        start = areaStart + areaLength - length;
    return qMax(start, areaStart);
}

} // namespace

QRect fitInto(const QRect &frame, const QRect &area)
{
    if (!area.isValid())
        return frame;
    const int width = qMin(frame.width(), area.width());
    const int height = qMin(frame.height(), area.height());
    return QRect(fitSpan(frame.x(), width, area.x(), area.width()),
                 fitSpan(frame.y(), height, area.y(), area.height()), width, height);
}

QRect availableAreaOf(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize expectedFrameSize(const QWidget *window, const QWidget *framed)
{
    if (window->isVisible())
        return window->frameGeometry().size();
    if (framed && framed->isVisible())
        return window->size() + (framed->frameGeometry().size() - framed->size());
    return window->size();
}

void placeCentredInside(QWidget *window, const QWidget *over, const QRect &area)
{
    const QSize frame = expectedFrameSize(window, over);
    const QPoint centre = over && over->isVisible() ? over->frameGeometry().center() : area.center();
    const QRect wanted(centre - QPoint(frame.width() / 2, frame.height() / 2), frame);
    const QRect placed = fitInto(wanted, area);
    if (placed.size() != frame)
        window->resize(window->size() - (frame - placed.size()));
    window->move(placed.topLeft());
}

} // namespace lumolex
