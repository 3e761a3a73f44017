#include "search/resultrows.h"

#include <cstdlib>

namespace lumolex {

namespace {
constexpr int kRowPadding = 8;
constexpr int kIconWidth = 16;
} // namespace

int resultRowHeight(int fontHeightPixels)
{
    return std::abs(fontHeightPixels) + kRowPadding;
}

bool resultRowTinted(int row, bool selected, bool evenLines)
{
    return evenLines && !selected && row % 2 == 1;
}

bool resultHintNeeded(int textWidth, int clientWidth)
{
    return textWidth > clientWidth - kIconWidth;
}

bool ResultHintTracker::moveTo(int row, int x)
{
    if (row == m_row && x == m_x)
        return false;
    m_row = row;
    m_x = x;
    return true;
}

} // namespace lumolex
