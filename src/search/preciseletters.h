#pragma once

// Queries that are precise where the user is precise. The transcription key
// folds the special Kildin letters and the macron into Russian letters, so
// both searches first compare keys; a query that spells a letter with a
// macron (ӣ, а̄) or a special Kildin letter (ӈ, ҏ, ҍ ...) means that letter,
// and this class checks it against the text as written. A plain letter of
// the query still matches every variant of it (н matches н, ӈ and ӊ), and an
// е matches е and ё, as in the key comparison.
//
// A letter is a character of the composed (NFC) text with the combining
// macron after it, if any: ӣ and и followed by a macron are one letter, а̄
// (which has no composed form) is а with its macron.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace lumolex {

class PreciseLetters
{
public:
    explicit PreciseLetters(QStringView query);

    // true when some letter of the query asks to be matched exactly.
    bool isPrecise() const { return m_precise; }
    // true when the query is made of letters, digits and marks only: then it
    // begins a word of a text exactly when it begins one of wordsOf(text).
    bool isOneWord() const;
    // true when `text` holds the query as a piece of text, its precise
    // letters matched exactly.
    bool foundIn(QStringView text) const;
    // true when some word of `text` begins with the query, its precise
    // letters matched exactly.
    bool beginsAWordIn(QStringView text) const;
    // true when some word of `text` begins with the query compared by key
    // only: the text speaks of the word at all.
    bool keyBeginsAWordIn(QStringView text) const;

    struct Letter {
        char16_t key = 0;     // the letter in the transcription key (folded, small)
        char16_t exact = 0;   // the letter as written (composed, small)
        bool macron = false;  // followed by a combining macron
        bool precise = false; // a query letter that must match exactly
        bool wordChar = false; // a letter or a digit: words are runs of them
    };

private:
    enum class Where { Anywhere, WordStart };
    bool matches(QStringView text, Where where, bool byKeyOnly) const;

    std::vector<Letter> m_letters;
    bool m_precise = false;
};

// The letters of a text (see PreciseLetters).
std::vector<PreciseLetters::Letter> lettersOf(QStringView text);

// The words of a text as PreciseLetters reads them: the runs of letters,
// digits and marks of the composed text, as written (a macron belongs to the
// letter before it).
QStringList wordsOf(QStringView text);

} // namespace lumolex
