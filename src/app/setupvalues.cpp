#include "app/setupvalues.h"

namespace lumolex {

SetupValues SetupValues::of(const Settings &s)
{
    SetupValues v;
    v.HintWord = s.HintWord;
    v.IconTray = s.IconTray;
    v.DockWindow = s.DockWindow;
    v.noDoubleProgramm = s.noDoubleProgramm;
    v.Transparency = s.Transparency;
    v.TranspCard = s.TranspCard;
    v.SaveParam = s.SaveParam;
    v.FontNameLumo = s.FontNameLumo;
    v.FontSizeList = s.FontSizeList;
    v.FontSizeText = s.FontSizeText;
    v.FontSizeCard = s.FontSizeCard;
    v.CardWidth = s.CardWidth;
    v.CardHeight = s.CardHeight;
    v.OpenCardWin = s.OpenCardWin;
    v.CloseCardsAtSwith = s.CloseCardsAtSwith;
    v.EvenLines = s.EvenLines;
    v.ColorEvenLines = s.ColorEvenLines;
    return v.clamped();
}

SetupValues SetupValues::clamped() const
{
    SetupValues v = *this;
    v.Transparency = kTransparencyRange.clamp(v.Transparency);
    v.FontSizeList = kFontSizeRange.clamp(v.FontSizeList);
    v.FontSizeText = kFontSizeRange.clamp(v.FontSizeText);
    v.FontSizeCard = kFontSizeRange.clamp(v.FontSizeCard);
    v.CardWidth = kCardSizeRange.clamp(v.CardWidth);
    v.CardHeight = kCardSizeRange.clamp(v.CardHeight);
    v.ColorEvenLines = kColourRange.clamp(v.ColorEvenLines);
    return v;
}

SetupApply::SetupApply(Settings *settings, SetupActions actions)
    : m_settings(settings)
    , m_actions(std::move(actions))
{
}

SetupApply::Ran SetupApply::apply(const SetupValues &given)
{
    const SetupValues v = given.clamped();
    Settings &s = *m_settings;
    Ran ran;

    // Values that take effect where they are next used.
    s.HintWord = v.HintWord;
    s.DockWindow = v.DockWindow;
    s.TranspCard = v.TranspCard;
    s.SaveParam = v.SaveParam;
    s.noDoubleProgramm = v.noDoubleProgramm;
    s.CardHeight = v.CardHeight;
    s.CardWidth = v.CardWidth;
    s.OpenCardWin = v.OpenCardWin;
    s.CloseCardsAtSwith = v.CloseCardsAtSwith;
    s.IconTray = v.IconTray;

    // The four font values together: any change runs font application.
    const bool fontPicked = !v.FontNameLumo.isEmpty();
    if (v.FontSizeList != s.FontSizeList || v.FontSizeCard != s.FontSizeCard || v.FontSizeText != s.FontSizeText
        || (fontPicked && v.FontNameLumo != s.FontNameLumo)) {
        s.FontSizeList = v.FontSizeList;
        s.FontSizeCard = v.FontSizeCard;
        s.FontSizeText = v.FontSizeText;
        if (fontPicked)
            s.FontNameLumo = v.FontNameLumo;
        ran.fonts = true;
        if (m_actions.applyFonts)
            m_actions.applyFonts();
    }

    if (v.Transparency != s.Transparency) {
        s.Transparency = v.Transparency;
        ran.transparency = true;
        if (m_actions.applyTransparency)
            m_actions.applyTransparency();
    }

    if (v.EvenLines != s.EvenLines || v.ColorEvenLines != s.ColorEvenLines) {
        s.EvenLines = v.EvenLines;
        s.ColorEvenLines = v.ColorEvenLines;
        ran.lists = true;
        if (m_actions.repaintLists)
            m_actions.repaintLists();
    }
    return ran;
}

} // namespace lumolex
