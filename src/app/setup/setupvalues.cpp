#include "app/setup/setupvalues.h"

#include <tuple>
#include <type_traits>

namespace lumolex {

namespace {

// What a change of a value runs besides storing it.
enum class Effect { None, Fonts, Transparency, Lists };

template<typename T>
struct Field
{
    T SetupValues::*value;
    T Settings::*setting;
    Effect effect;
    const SettingRange *range = nullptr;   // the field's range (numbers only)
};

// Every value the dialog edits, once: reading from the settings, clamping,
// storing and applying all go through this list.
constexpr std::tuple kFields{
    Field<bool>{&SetupValues::HintWord, &Settings::HintWord, Effect::None},
    Field<bool>{&SetupValues::IconTray, &Settings::IconTray, Effect::None},
    Field<bool>{&SetupValues::DockWindow, &Settings::DockWindow, Effect::None},
    Field<bool>{&SetupValues::noDoubleProgramm, &Settings::noDoubleProgramm, Effect::None},
    Field<int>{&SetupValues::Transparency, &Settings::Transparency, Effect::Transparency, &kTransparencyRange},
    Field<bool>{&SetupValues::TranspCard, &Settings::TranspCard, Effect::None},
    Field<bool>{&SetupValues::SaveParam, &Settings::SaveParam, Effect::None},
    Field<int>{&SetupValues::Language, &Settings::Language, Effect::None, &kLanguageRange},
    Field<QString>{&SetupValues::FontNameLumo, &Settings::FontNameLumo, Effect::Fonts},
    Field<int>{&SetupValues::FontSizeList, &Settings::FontSizeList, Effect::Fonts, &kFontSizeRange},
    Field<int>{&SetupValues::FontSizeText, &Settings::FontSizeText, Effect::Fonts, &kFontSizeRange},
    Field<int>{&SetupValues::FontSizeCard, &Settings::FontSizeCard, Effect::Fonts, &kFontSizeRange},
    Field<int>{&SetupValues::CardWidth, &Settings::CardWidth, Effect::None, &kCardSizeRange},
    Field<int>{&SetupValues::CardHeight, &Settings::CardHeight, Effect::None, &kCardSizeRange},
    Field<bool>{&SetupValues::OpenCardWin, &Settings::OpenCardWin, Effect::None},
    Field<bool>{&SetupValues::CloseCardsAtSwith, &Settings::CloseCardsAtSwith, Effect::None},
    Field<bool>{&SetupValues::EvenLines, &Settings::EvenLines, Effect::Lists},
    Field<int>{&SetupValues::ColorEvenLines, &Settings::ColorEvenLines, Effect::Lists, &kColourRange},
    Field<bool>{&SetupValues::ExactLetters, &Settings::ExactLetters, Effect::None},
};

template<typename Visit>
void forEachField(Visit &&visit)
{
    std::apply([&visit](const auto &...field) { (visit(field), ...); }, kFields);
}

// An empty font name is no font selected in the list: the stored one stays.
template<typename T>
bool picked(const T &value)
{
    if constexpr (std::is_same_v<T, QString>)
        return !value.isEmpty();
    return true;
}

// Stores the values of one effect; whether any of them changed.
bool store(Settings &s, const SetupValues &v, Effect effect)
{
    bool changed = false;
    forEachField([&](const auto &field) {
        if (field.effect != effect || !picked(v.*field.value))
            return;
        changed = changed || s.*field.setting != v.*field.value;
        s.*field.setting = v.*field.value;
    });
    return changed;
}

} // namespace

SetupValues SetupValues::of(const Settings &s)
{
    SetupValues v;
    forEachField([&](const auto &field) { v.*field.value = s.*field.setting; });
    return v.clamped();
}

SetupValues SetupValues::clamped() const
{
    SetupValues v = *this;
    forEachField([&](const auto &field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(v.*field.value)>, int>) {
            if (field.range)
                v.*field.value = field.range->clamp(v.*field.value);
        }
    });
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
    // Values that take effect where they are next used, then each group
    // whose action runs when any of its values changed, in this order.
    store(s, v, Effect::None);
    ran.fonts = store(s, v, Effect::Fonts);
    if (ran.fonts && m_actions.applyFonts)
        m_actions.applyFonts();
    ran.transparency = store(s, v, Effect::Transparency);
    if (ran.transparency && m_actions.applyTransparency)
        m_actions.applyTransparency();
    ran.lists = store(s, v, Effect::Lists);
    if (ran.lists && m_actions.repaintLists)
        m_actions.repaintLists();
    return ran;
}

} // namespace lumolex
