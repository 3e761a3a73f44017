#include "app/window/windowplacement.h"

#include <limits>

namespace lumolex {

namespace {
// How much of the window's top strip must show for the user to grab it.
constexpr int kGrabWidth = 50;
constexpr int kGrabHeight = 20;
} // namespace

QPoint centredOn(const QRect &screen, const QSize &size)
{
    return QPoint(screen.x() + screen.width() / 2 - size.width() / 2,
                  screen.y() + screen.height() / 2 - size.height() / 2);
}

bool isReachable(const QRect &window, const QList<QRect> &screens)
{
    const QRect strip(window.left(), window.top(), window.width(), qMin(window.height(), kGrabHeight));
    for (const QRect &screen : screens) {
        const QRect shown = strip.intersected(screen);
        if (shown.width() >= qMin(kGrabWidth, window.width()) && shown.height() >= qMin(kGrabHeight / 2, strip.height()))
            return true;
    }
    return false;
}

QRect placeMainWindow(const QSize &size, int left, int top, const QRect &primary, const QList<QRect> &screens)
{
    if (left == -1 || top == -1)
        return QRect(centredOn(primary, size), size);
    // QRect computes the edge after its far side and the one before its
    // near side; a window where either lies past the integers is off every
    // screen, and QRect could not even hold it.
    const auto pastTheIntegers = [](int edge, int extent) {
        return qint64(edge) - 1 < std::numeric_limits<int>::min()
               || qint64(edge) + extent > std::numeric_limits<int>::max();
    };
    if (pastTheIntegers(left, size.width()) || pastTheIntegers(top, size.height()))
        return QRect(centredOn(primary, size), size);
    const QRect stored(QPoint(left, top), size);
    if (screens.isEmpty() || isReachable(stored, screens))
        return stored;
    return QRect(centredOn(primary, size), size);
}

} // namespace lumolex
