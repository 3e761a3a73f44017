#pragma once

// How a top-level window looks to the window system: translucent by a
// percentage, and kept above other windows or not.
//
// Translucency is the window's constant opacity (setWindowOpacity). Where
// the window system has no compositor the value is kept by Qt and shown as
// soon as one runs; nothing fails.

#include <QList>

class QWidget;

namespace lumolex {

// The constant alpha for a transparency percentage: (100 - p) * 255 / 100
// in whole numbers, the fraction dropped. 0 % is fully opaque (255);
// percentages outside 0..100 are brought to the nearest bound.
int transparencyAlpha(int percent);

// Makes each window translucent by `percent`, or opaque for 0.
void applyTransparency(QWidget *window, int percent);
void applyTransparency(const QList<QWidget *> &windows, int percent);

// Puts the window in the band of windows kept on top, or back to the normal
// band, without moving, resizing, hiding or activating it.
void setStaysOnTop(QWidget *window, bool on);

} // namespace lumolex
