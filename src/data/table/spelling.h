#pragma once

// The second level of the word list's order: among texts whose transcription
// keys are equal, the exact spelling decides, so entries that the key folds
// together (маннь and маӈӈь, нӣзнэ and низнэ) always stand in one order,
// whatever the order of the source file.
//
// Letters compare as a base letter and its marks (the text decomposed):
//   - the plain letter before its special Kildin variants, in this order:
//     н < ӈ < ӊ, л < ӆ, р < ҏ, ь < ҍ, х < һ, й < ј < ҋ, м < ӎ;
//   - a letter without marks before the same letter with a macron, and that
//     before one with a diaeresis (и < ӣ, а < а̄ < ӓ, э < ӭ), composed or not;
//   - then small letters before capitals; last the code units, so that no
//     two different texts compare equal.
// The key order is not this class's business: it only settles ties.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>

namespace lumolex {

class SpellingCollation
{
public:
    // Appends the sort key of text to out: byte order is the spelling order.
    static void appendSortKey(QStringView text, std::string &out);
    static std::string sortKey(QStringView text);

    // The text as its spelling is compared when typed: composed (NFC) and in
    // small letters, so that a macron written as a separate character and a
    // composed letter give the same text.
    static QString typedForm(QStringView text);
    // true when `stored` (a stored text, already NFC) is spelt like `typed`,
    // a text made by typedForm().
    static bool spelledAs(QStringView stored, QStringView typed);
};

// A Russian reader writes е for ё. The texts a key typed with е may stand
// for: `key` itself first, then each spelling with ё for some of its е, at
// most `limit` texts in all (the first е vary first). A typed ё stays ё.
inline constexpr int kMostYoSpellings = 16;
QStringList yoSpellings(const QString &key, int limit = kMostYoSpellings);

// true when `text` holds `key` as a piece of text, an е of the key matching
// е or ё of the text.
bool containsReadingYo(QStringView text, QStringView key);

} // namespace lumolex
