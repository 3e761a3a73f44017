#pragma once

// Where the main window opens: the stored size and position, centred on the
// primary screen when a stored edge is -1, and put back on the primary
// screen when the stored place lies off every screen (a monitor that is no
// longer connected).

#include <QList>
#include <QRect>

namespace lumolex {

// `size` is the window's size, `left`/`top` the stored edges; `primary` the
// primary screen's geometry, `screens` every screen's geometry.
QRect placeMainWindow(const QSize &size, int left, int top, const QRect &primary, const QList<QRect> &screens);

// The centred place: left = screen width div 2 - window width div 2, the same
// for the top, relative to the screen's origin.
QPoint centredOn(const QRect &screen, const QSize &size);

// True when enough of the window (its top strip, where it can be grabbed)
// shows on one of the screens.
bool isReachable(const QRect &window, const QList<QRect> &screens);

} // namespace lumolex
