#include "search/dictionaryscope.h"

#include <QList>

namespace lumolex {

DictionaryScope DictionaryScope::all()
{
    DictionaryScope scope;
    scope.allDictionaries = true;
    return scope;
}

DictionaryScope DictionaryScope::ofCodes(const QList<int> &codes)
{
    DictionaryScope scope;
    for (int code : codes) {
        const int slot = dictionarySlotOfCode(code);
        if (slot >= 0)
            scope.selected[slot] = true;
    }
    return scope;
}

bool DictionaryScope::passes(int dict) const
{
    if (allDictionaries)
        return true;
    const int slot = dictionarySlotOfCode(dict);
    return slot < 0 || selected[slot];
}

} // namespace lumolex
