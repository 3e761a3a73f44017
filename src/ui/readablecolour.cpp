#include "ui/readablecolour.h"

#include <cmath>

namespace lumolex {

namespace {

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
           + 0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColour(const QColor &preferred, const QColor &background)
{
    const QColor text = preferred.toRgb();
    if (contrastRatio(text, background) >= kMinimumTextContrast)
        return text;
    // Black or white always reaches the ratio on one side: the ratio of the
    // better of the two is at least about 4.58 for any background.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor extreme = contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    // The text colour fails, so its luminance lies between the two that
    // reach the ratio; moving toward the extreme, the luminance passes the
    // one on that side once and the ratio then stays reached, so the least
    // move is found by halving.
    double low = 0;
    double high = 1;
    for (int step = 0; step < 12; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(mixed(text, extreme, middle), background) >= kMinimumTextContrast)
            high = middle;
        else
            low = middle;
    }
    const QColor moved = mixed(text, extreme, high);
    return contrastRatio(moved, background) >= kMinimumTextContrast ? moved : extreme;
}

} // namespace lumolex
