#pragma once

// The colours of one row of the word list and of the result list: the
// background (the highlight for the selected row, every other row tinted)
// and a text colour that stays readable on it.

#include <QColor>

class QPalette;

namespace lumolex {

struct RowColours {
    QColor background;
    QColor text;
};

// `tinted` says whether the row takes the alternate colour (EvenLines on,
// the row odd and not selected); `tintBgr` is ColorEvenLines. The default
// tint stands for the palette's alternate base, so a dark theme gets a dark
// tint; a colour the user chose is painted as chosen, and the text on it is
// moved just far enough to stay readable.
RowColours rowColours(const QPalette &palette, bool selected, bool tinted, int tintBgr);

} // namespace lumolex
