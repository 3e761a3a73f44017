#include "data/wordlist/startingdictionary.h"

#include "data/table/table.h"

namespace lumolex {

namespace {

DictionaryControlStates only(int slot)
{
    DictionaryControlStates states;
    states.buttons[size_t(slot)] = true;
    states.menuItems[size_t(slot)] = true;
    return states;
}

} // namespace

DictionaryControlStates startingDictionary(const Table &articles)
{
    // Dictionary 1 usually turns up among the first rows; the whole view is
    // read only when it is missing.
    const int dictField = articles.fieldIndex(u"DICT");
    std::array<bool, kDictionaryCount> present{};
    for (int p = 0; p < articles.recordCount(); ++p) {
        const int slot = dictionarySlotOfCode(int(articles.valueAt(p, dictField).toLongLong()));
        if (slot == 0)
            return DictionaryControlStates::initial();
        if (slot > 0)
            present[size_t(slot)] = true;
    }
    for (int slot = 0; slot < kDictionaryCount; ++slot) {
        if (present[size_t(slot)])
            return only(slot);
    }
    return DictionaryControlStates::initial();
}

std::array<bool, kDictionaryCount> dictionariesWithArticles(const Table &articles)
{
    const int dictField = articles.fieldIndex(u"DICT");
    std::array<bool, kDictionaryCount> present{};
    int missing = kDictionaryCount;
    for (int p = 0; p < articles.recordCount() && missing > 0; ++p) {
        const int slot = dictionarySlotOfCode(int(articles.valueAt(p, dictField).toLongLong()));
        if (slot >= 0 && !present[size_t(slot)]) {
            present[size_t(slot)] = true;
            --missing;
        }
    }
    return present;
}

} // namespace lumolex
