#pragma once

#include "data/wordlist/dictionaryselection.h"

namespace lumolex {

class Table;

// The dictionary a window opens on when no bookmark says otherwise:
// dictionary 1 when the view of `articles` holds any of its articles, else
// the first control (in screen order) whose dictionary has articles there, so
// that a data set without dictionary 1 does not open on an empty list. With
// no article of any selectable dictionary, dictionary 1.
DictionaryControlStates startingDictionary(const Table &articles);

// Which dictionary controls (by slot) have at least one article in the view
// of `articles`.
std::array<bool, kDictionaryCount> dictionariesWithArticles(const Table &articles);

} // namespace lumolex
