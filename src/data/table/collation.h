#pragma once

// The one collation of every key comparison of the table engine: index order,
// exact and nearest key search, key ranges.
//
// Order: the Russian alphabet with ё right after е and ӱ right after у; these
// 34 letters compare case-insensitively (Ё = ё, Ӱ = ӱ, А = а ...). Every other
// character sorts below them, by the code point of its simple lower-case form,
// so other letters are case-insensitive too (Latin A = a, Kildin Ӆ = ӆ).
//
// The Kildin letters other than ӱ never occur in a transcription key (the key
// function folds them into Russian letters), so they only matter in typed
// text. They are *not* folded here: a typed ӆ equals ӆ and Ӆ and nothing else,
// and it sorts with the other non-alphabet characters, below а. Folding them
// would make a typed ӆ match the key letter л, which the key function, not the
// comparison, is there to do.
//
// A text is compared through its sort key: a byte string whose plain byte
// order (shorter first on a common prefix) is the collation order. Keys are
// made once per row and compared with memcmp.

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace lumolex {

class KeyCollation
{
public:
    // Appends the sort key of text to out.
    static void appendSortKey(QStringView text, std::string &out);
    // The sort key of text.
    static std::string sortKey(QStringView text);
    // <0, 0, >0 as a sorts before, equal to, after b.
    static int compare(QStringView a, QStringView b);
    // Compares two sort keys (the byte order of the keys).
    static int compareKeys(std::string_view a, std::string_view b);
    // true when key begins with prefix (both sort keys): the text of key
    // begins, in the collation, with the text of prefix.
    static bool keyHasPrefix(std::string_view key, std::string_view prefix);
    // Position of c in the 34-letter alphabet (0 = а ... 33 = я), -1 for any
    // other character; capitals count as their small letters.
    static int alphabetRank(char32_t c);
};

} // namespace lumolex
