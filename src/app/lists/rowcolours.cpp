#include "app/lists/rowcolours.h"

#include "app/store/settings.h"
#include "ui/readablecolour.h"

#include <QPalette>

namespace lumolex {

RowColours rowColours(const QPalette &palette, bool selected, bool tinted, int tintBgr)
{
    RowColours colours;
    if (selected) {
        colours.background = palette.color(QPalette::Active, QPalette::Highlight);
        colours.text = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        colours.background = palette.color(QPalette::Base);
        colours.text = palette.color(QPalette::Text);
        if (tinted) {
            colours.background = tintBgr == Settings().ColorEvenLines ? palette.color(QPalette::AlternateBase)
                                                                       : colorFromBgr(tintBgr);
        }
    }
    colours.text = readableTextColour(colours.text, colours.background);
    return colours;
}

} // namespace lumolex
