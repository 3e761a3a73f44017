#pragma once


namespace lumolex::rtf {

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
