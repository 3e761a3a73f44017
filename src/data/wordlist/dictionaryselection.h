#pragma once

// Which dictionaries the word list shows.
//
// Five dictionaries can be chosen, each through a speed button and a check
// item of the "Словарь" menu. The buttons are the selection; the menu check
// marks mirror them after every choice made through a dictionary control.
// This file holds the rules of a choice on plain states, so that they are
// the same for the widgets and the tests, and the filter operations on the
// article table.

#include <QString>
#include <QVariant>

#include <array>

namespace lumolex {

class Table;

// The dictionary controls in screen order: three Saami-Russian dictionaries,
// the Russian-Saami dictionary, the phrasebook.
inline constexpr int kDictionaryCount = 5;

struct DictionaryControlInfo {
    int tag;        // tag of both the speed button and the menu item
    int dict;       // DICT code the control selects
    int menuIconOn; // ImageList16 index of a checked menu item
    int menuIconOff;
};

inline constexpr std::array<DictionaryControlInfo, kDictionaryCount> kDictionaryControls = {{
    {81, 1, 30, 17},
    {82, 2, 31, 17},
    {83, 4, 33, 17},
    {91, 3, 32, 17},
    {101, 9, 49, 50},
}};

// Slot (0..4) of the control selecting that DICT code, -1 for any other code.
int dictionarySlotOfCode(int dict);

enum class DictGroup { None, SaamiRussian, RussianSaami, Phrasebook };

// Group of a control by its tag: 81-89, 91-99, 101-109; None otherwise.
DictGroup dictGroupOfTag(int tag);

// The states of the ten dictionary controls, indexed by slot.
struct DictionaryControlStates {
    std::array<bool, kDictionaryCount> buttons{};   // lowered speed buttons
    std::array<bool, kDictionaryCount> menuItems{}; // checked menu items

    // The state of a fresh window: dictionary 1 alone.
    static DictionaryControlStates initial();
    bool operator==(const DictionaryControlStates &) const = default;
};

enum class DictSenderKind { Button, MenuItem, Other };

// What a choice does to the panel captions.
enum class PanelCaptions { Unchanged, Dictionary, Phrasebook };

// A dictionary choice (SetButtonDict without the filter step): `senderSlot`
// is the slot of the button or menu item that was clicked, whose own state
// has already toggled; it is ignored for DictSenderKind::Other.
PanelCaptions applyDictionaryChoice(DictionaryControlStates &states, DictSenderKind kind,
                                    int senderSlot);

// FindWord's change of the buttons for an article of code `dict`: a
// Saami-Russian article adds its dictionary to the Saami-Russian ones, the
// others stand alone; any other code changes nothing. The menu items stay.
void selectButtonsForArticle(std::array<bool, kDictionaryCount> &buttons, int dict);

// The filter expression: "(DICT=0)" and " OR (DICT=n)" for every lowered
// button, in the order of the codes 1, 2, 3, 4, 9.
QString dictionaryFilterText(const std::array<bool, kDictionaryCount> &buttons);

// ImageList16 index of a dictionary menu item in that check state.
int dictionaryMenuIcon(int slot, bool checked);

// SetFilterDict. Off: no filter, the first record of the whole table
// current (notifications are left alone). On: the key index, the filter
// `filterText`, and the article that was current stays current when the new
// view still shows it, else the first record of the view; one notification.
void SetFilterDict(Table &articles, bool on, const QString &filterText);

// FindWord on the table: makes the article with `id` current and changes
// `buttons` to select its dictionary, then re-applies the filter built from
// the buttons. When no article has that id, the article that was current
// stays current where the view still shows it. One notification at the end.
// Returns whether the article was found.
bool findArticleById(Table &articles, int id, std::array<bool, kDictionaryCount> &buttons);

} // namespace lumolex
