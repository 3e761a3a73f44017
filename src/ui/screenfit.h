#pragma once

// Keeping the program's windows on the screen that holds the main window:
// every window it opens (help, cards, boxes) lies wholly inside that
// screen's available area, the screen without the desktop's panels.

#include <QRect>

class QWidget;

namespace lumolex {

// `frame` (a window's outer rectangle) moved into `area`; a window larger
// than the area on an axis is first cut to the area's extent there.
QRect fitInto(const QRect &frame, const QRect &area);

// The available area of the screen that holds `window` (the primary
// screen's for none, or for a window not yet on any screen).
QRect availableAreaOf(const QWidget *window);

// The outer size `window` will have: its frame once shown, before that its
// inside plus the frame of `framed` (a shown window of the same desktop).
QSize expectedFrameSize(const QWidget *window, const QWidget *framed);

// Puts the top-level `window` centred over `over` (the centre of `area`
// for none) and wholly inside `area`, shrinking it when it is larger.
void placeCentredInside(QWidget *window, const QWidget *over, const QRect &area);

} // namespace lumolex
