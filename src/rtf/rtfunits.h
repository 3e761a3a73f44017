#pragma once

#include <algorithm>
#include <cstdint>

namespace lumolex::rtf {

// A control word's parameter brought into the range its value may take.
template<typename T>
T clamped(std::int32_t value, T low, T high)
{
    return static_cast<T>(std::clamp<std::int32_t>(value, low, high));
}

// RTF lengths are twips (1/1440 inch); QTextDocument lengths are pixels at
// 96 dots per inch, the resolution its HTML import assumes. 15 twips make
// one such pixel, so whole twips survive a read and write unchanged.
inline constexpr double kTwipsPerPixel = 15.0;

inline double twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline int pixelsToTwips(double pixels)
{
    return int(pixels * kTwipsPerPixel + (pixels < 0 ? -0.5 : 0.5));
}

} // namespace lumolex::rtf
