#pragma once

// The settings the program keeps between runs, held in memory while it runs.
//
// Member names are the value names in the store, so each one can be found
// with one grep. The initial values are the defaults used when a value is
// missing from the store or is not a decimal integer.

#include <QColor>
#include <QString>

#include <limits>

namespace lumolex {

// The values a stored number may take. A value read outside its range is
// brought to the nearest bound, as the settings dialog's fields do with a
// typed value.
struct SettingRange
{
    int min;
    int max;
    constexpr int clamp(int value) const { return value < min ? min : value > max ? max : value; }
};

// The settings dialog's fields.
inline constexpr SettingRange kFontSizeRange{8, 72};              // points
inline constexpr SettingRange kCardSizeRange{100, 900};           // pixels
inline constexpr SettingRange kTransparencyRange{0, 90};          // percent
inline constexpr SettingRange kColourRange{0, 0xFFFFFF};          // 0x00BBGGRR
// The window and its panels, in the 16-bit coordinates window systems use
// (X11 and Windows alike); the splitters keep 50 pixels on each side.
inline constexpr SettingRange kWindowEdgeRange{-32768, 32767};    // -1 centres
inline constexpr SettingRange kWindowSizeRange{1, 32767};
inline constexpr SettingRange kPanelWidthRange{50, 32767};
// An article ID; 0 is no bookmark.
inline constexpr SettingRange kBookMarkRange{0, std::numeric_limits<int>::max()};
// The interface language: 0 follows the locale, 1 Russian, 2 English
// (data/files/interfacelanguage.h); any other stored value reads as 0.
inline constexpr SettingRange kLanguageRange{0, 2};

struct Settings
{
    bool noDoubleProgramm = false;   // refuse to start a second copy
    int FormMainWidth = 700;         // outer bounds of the main window
    int FormMainHeight = 550;
    int FormMainLeft = -1;           // -1: centre the window
    int FormMainTop = -1;            // -1: centre the window
    int PanelWordWidth = 200;
    int PanelFindWidth = 200;
    QString FontNameLumo = QStringLiteral("Tahoma");
    int FontSizeList = 12;
    int FontSizeCard = 11;
    int FontSizeText = 11;
    int CardHeight = 230;
    int CardWidth = 350;
    bool OpenCardWin = true;         // every card in a new window
    bool CloseCardsAtSwith = false;  // close cards when another application is activated
    int Transparency = 0;            // percent, 0..90
    bool TranspCard = true;
    bool DockWindow = true;          // snap to the edges of the work area
    bool HintWord = true;
    bool PanelToolBar = true;
    bool PanelStatus = true;
    bool PanelPhrase = true;
    bool PanelCaption = true;
    int BookMark = 0;                // article ID opened at start-up, 0 = none
    bool SaveParam = true;           // write the settings back at shutdown
    bool IconTray = false;
    bool EvenLines = true;
    int ColorEvenLines = 16119285;   // 0x00BBGGRR, light grey 0xF5F5F5
    bool ExactLetters = true;        // a query's macron or special Kildin letter matches only itself
    bool PanelLetters = true;        // the letter palette under the word box
    int Language = 0;                // interface language, from the next start: 0 locale, 1 Russian, 2 English

    bool operator==(const Settings &) const = default;
};

// Colours are stored as 0x00BBGGRR integers (red in the low byte).
inline QColor colorFromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int bgrFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace lumolex
