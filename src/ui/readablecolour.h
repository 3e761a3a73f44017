#pragma once

// Contrast of text against its background, by the relative luminance of
// the sRGB colours (the usual accessibility measure), and the choice of a
// text colour that stays readable on a given background.
//
// The program paints most colours from the palette, but a few are fixed or
// chosen by the user (the tint of every other list row, the colours stored
// in an article). Text drawn on such a colour is checked here, so that it
// never falls below the minimum ratio in a light or a dark palette.

#include <QColor>

namespace lumolex {

// The least contrast ratio text is drawn with.
inline constexpr double kMinimumTextContrast = 4.5;

// 0 for black, 1 for white; the alpha channel is ignored.
double relativeLuminance(const QColor &colour);

// From 1 (the same luminance) to 21 (black on white), whichever is lighter.
double contrastRatio(const QColor &first, const QColor &second);

// `preferred` when it reaches the minimum ratio on `background`; otherwise
// `preferred` moved toward black or white (the one farther from the
// background) just far enough to reach it, so that its hue is kept.
QColor readableTextColour(const QColor &preferred, const QColor &background);

} // namespace lumolex
