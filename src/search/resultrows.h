#pragma once

// The layout rules of the search result list's rows and of its result hint,
// as plain values, so that the list and the tests compute them the same way.

namespace lumolex {

// Row height from the list font's height in pixels (its sign ignored).
int resultRowHeight(int fontHeightPixels);

// Left and top offsets of the headword inside its row.
inline constexpr int kResultTextLeft = 18;
inline constexpr int kResultTextTop = 4;

// true when the row takes the even-line colour: every second row (index 1,
// 3, ...) that is not selected, while the colour is switched on.
bool resultRowTinted(int row, bool selected, bool evenLines);

// true when a headword of that width does not fit beside the icon, so the
// result hint shows it whole.
bool resultHintNeeded(int textWidth, int clientWidth);

// Where the result hint was last prepared: the row under the mouse and the
// mouse's X. Moving straight up or down inside one row keeps the hint.
class ResultHintTracker
{
public:
    // The mouse is over `row` at `x`; true when the hint must be prepared
    // again (the row or X changed).
    bool moveTo(int row, int x);
    // The mouse left the list: the row is forgotten, X stays.
    void leave() { m_row = -1; }

    int row() const { return m_row; }
    int x() const { return m_x; }

private:
    int m_row = -1;
    int m_x = -1;
};

} // namespace lumolex
