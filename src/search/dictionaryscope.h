#pragma once

// The dictionary scope of both searches: which articles a search may list.

#include "data/wordlist/dictionaryselection.h"

#include <array>

namespace lumolex {

struct DictionaryScope
{
    bool allDictionaries = false;                      // "Во всех словарях" ticked
    std::array<bool, kDictionaryCount> selected{};     // lowered dictionary buttons, by slot

    // Every dictionary, whatever the buttons.
    static DictionaryScope all();
    // The dictionaries of the given codes selected (codes no button selects
    // are ignored: such articles always pass).
    static DictionaryScope ofCodes(const QList<int> &codes);

    // An article of code `dict` passes when every dictionary is searched, when
    // its dictionary is selected, or when no button selects its code (code 0
    // and any other unknown code).
    bool passes(int dict) const;
};

} // namespace lumolex
