#pragma once

// Lock keys and the keyboard layout as the system reports them.
//
// The status bar asks this every 100 ms: Caps Lock and Num Lock, and the
// identifier of the active layout. Identifiers are the platform's own: on
// Windows the eight-digit layout name ("00000419"), on X11 the XKB layout of
// the active group with its variant in parentheses ("ru", "ru(phonetic)",
// "us"). A platform that cannot say answers nothing (or an empty identifier),
// and the indicators keep what they show.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace lumolex {

enum class LayoutChoice { Russian, English };

class KeyboardState
{
public:
    virtual ~KeyboardState() = default;
    virtual std::optional<bool> capsLock() = 0;
    virtual std::optional<bool> numLock() = 0;
    // The active layout's identifier; empty when unknown.
    virtual QString activeLayout() = 0;
    // Switches the program's layout to the chosen language unless that
    // layout is already active; does nothing where no such layout exists.
    virtual void switchLayout(LayoutChoice choice) = 0;
};

// The keyboard of the platform the program runs on: XKB through Qt's own X
// connection, the Windows keyboard functions, or a neutral one that knows
// nothing (Wayland, offscreen).
std::unique_ptr<KeyboardState> createSystemKeyboardState();

// The layout indicator's text for an identifier: "RU" for the Russian
// layouts (Windows "00000419" and the Saami layout for the Russian language
// "A0000419"; XKB "ru" with any variant), "EN" for English (United States)
// ("00000409", XKB "us" without variant), "??" for anything else.
QString layoutIndicatorText(const QString &layoutId);

// Windows: the layout name to load for a choice, or nothing when it is the
// active one already.
std::optional<QString> windowsLayoutToLoad(const QString &activeId, LayoutChoice choice);

// XKB: the group to lock for a choice, given the layouts of the groups in
// order and the active group; nothing when the active group already holds
// it or no group does. Russian takes the plain "ru" group, else the first
// group of a Russian layout variant; English takes the plain "us" group.
std::optional<int> xkbGroupToLock(const QStringList &groupLayouts, int activeGroup, LayoutChoice choice);

// The layouts of the XKB groups, from the layout and variant lists of the
// root window's _XKB_RULES_NAMES ("us,ru" and ",phonetic" give "us" and
// "ru(phonetic)").
QStringList xkbGroupLayouts(const QString &layouts, const QString &variants);

} // namespace lumolex
