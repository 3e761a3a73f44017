#pragma once

// The values the settings dialog edits, apart from its controls, and the
// order in which Apply stores and applies them.

#include "app/store/settings.h"

#include <QString>

#include <functional>

namespace lumolex {

struct SetupValues
{
    // "Общие"
    bool HintWord = true;
    bool IconTray = false;
    bool DockWindow = true;
    bool noDoubleProgramm = false;
    int Transparency = 0;
    bool TranspCard = true;
    bool SaveParam = true;
    int Language = 0;   // takes effect at the next start
    // "Шрифты": an empty font name is no font selected in the list.
    QString FontNameLumo;
    int FontSizeList = 12;
    int FontSizeText = 11;
    int FontSizeCard = 11;
    // "Карточка слова"
    int CardWidth = 350;
    int CardHeight = 230;
    bool OpenCardWin = true;
    bool CloseCardsAtSwith = false;
    // "Списки"
    bool EvenLines = true;
    int ColorEvenLines = 16119285;
    // "Поиск"
    bool ExactLetters = true;

    bool operator==(const SetupValues &) const = default;

    // The dialog's values as the settings hold them (the font name as
    // stored, whether installed or not).
    static SetupValues of(const Settings &settings);
    // Every number brought into its field's range.
    SetupValues clamped() const;
};

// What Apply runs besides storing.
struct SetupActions
{
    std::function<void()> applyFonts;          // font application (SetFonts)
    std::function<void()> applyTransparency;   // SetTransparency
    std::function<void()> repaintLists;        // the word list and the result list
};

// Apply (SpeedButtonOkClick) without the dialog: stores the values into the
// settings held in memory and runs font application, transparency and the
// list repaint only for what changed.
class SetupApply
{
public:
    struct Ran {
        bool fonts = false;
        bool transparency = false;
        bool lists = false;
        bool operator==(const Ran &) const = default;
    };

    SetupApply(Settings *settings, SetupActions actions);

    Ran apply(const SetupValues &values);

private:
    Settings *m_settings;
    SetupActions m_actions;
};

} // namespace lumolex
