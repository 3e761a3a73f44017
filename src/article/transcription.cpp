#include "article/transcription.h"

#include <QChar>

#include <array>
#include <atomic>
#include <cstdint>

namespace lumolex {

namespace {

constexpr char16_t CombiningMacron = 0x0304;

// The special Kildin Saami letters and the Russian letters they fold to.
// Matching is exact: the capital Ӱ (U+04F0) is deliberately absent, so it
// survives folding and lower-casing turns it into ӱ, which stays in the key.
char16_t foldLetter(char16_t c)
{
    switch (c) {
    case 0x04D3: case 0x04D2: return 0x0430; // ӓ Ӓ -> а
    case 0x04BB: case 0x04BA: return 0x0445; // һ Һ -> х
    case 0x04E3: case 0x04E2: return 0x0438; // ӣ Ӣ -> и
    case 0x048B: case 0x048A: return 0x0439; // ҋ Ҋ -> й
    case 0x0458: case 0x0408: return 0x0439; // ј Ј -> й
    case 0x04C6: case 0x04C5: return 0x043B; // ӆ Ӆ -> л
    case 0x04CE: case 0x04CD: return 0x043C; // ӎ Ӎ -> м
    case 0x04CA: case 0x04C9: return 0x043D; // ӊ Ӊ -> н
    case 0x04C8: case 0x04C7: return 0x043D; // ӈ Ӈ -> н
    case 0x04E7: case 0x04E6: return 0x043E; // ӧ Ӧ -> о
    case 0x048F: case 0x048E: return 0x0440; // ҏ Ҏ -> р
    case 0x04EF: case 0x04EE: return 0x0443; // ӯ Ӯ -> у
    case 0x04F1:              return 0x0443; // ӱ -> у (small letter only)
    case 0x048D: case 0x048C: return 0x044C; // ҍ Ҍ -> ь
    case 0x04ED: case 0x04EC: return 0x044D; // ӭ Ӭ -> э
    default: return c;
    }
}

// Characters that are NFC whatever stands around them (normalization quick
// check "yes", combining class 0): ASCII and the Latin letters below the
// combining marks, Cyrillic without its combining marks, and general
// punctuation after the two spaces that decompose to others. Text made only
// of these is NFC already, which is nearly every text the program keys.
bool staysComposed(char16_t c)
{
    return c < 0x0300 || (c >= 0x0400 && c < 0x0483) || (c >= 0x048A && c < 0x0530)
        || (c >= 0x2002 && c < 0x2070);
}

// The key reads characters below this from tables made once.
constexpr char16_t kTableEnd = 0x0530;

// What a character below kTableEnd followed by a combining macron composes
// to (ӣ for и followed by the macron), or 0 where the two have no composed
// form. Each character's is worked out by the normalization when it is first
// met, not the whole table at once: lumolex-cli keys a word or two a run, and
// the whole table cost more than the rest of its look-up. An entry holds the
// answer plus one, 0 while it is not known; threads that meet a character
// together work out the same answer.
char16_t composedWithMacron(char16_t c)
{
    static std::array<std::atomic<std::uint32_t>, kTableEnd> known {};
    const std::uint32_t entry = known[c].load(std::memory_order_relaxed);
    if (entry != 0)
        return char16_t(entry - 1);
    const QChar letters[] = {QChar(c), QChar(CombiningMacron)};
    const QString pair = QString(letters, 2).normalized(QString::NormalizationForm_C);
    const char16_t composite = pair.size() == 1 ? pair[0].unicode() : 0;
    known[c].store(std::uint32_t(composite) + 1, std::memory_order_relaxed);
    return composite;
}

// A macron that composes or stays as it stands: it follows a table character
// that stays composed, and what follows it stays composed too.
bool isSimpleMacron(QStringView word, qsizetype i)
{
    return word[i].unicode() == CombiningMacron && i > 0 && word[i - 1].unicode() < kTableEnd
        && staysComposed(word[i - 1].unicode()) && (i + 1 == word.size() || staysComposed(word[i + 1].unicode()));
}

// The word composed (NFC), so that a letter spelt as a base letter and
// combining marks meets the folding table as the one letter it is. Text of
// characters that stay composed is NFC as it stands; Kildin texts add
// macrons over such letters, which compose by a table. Anything else takes
// the full normalization. Text that needs no change is returned as it is;
// a changed text is made in `storage`.
QStringView composed(QStringView word, QString &storage)
{
    bool hasMacrons = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (staysComposed(word[i].unicode()))
            continue;
        if (!isSimpleMacron(word, i)) {
            storage = word.toString().normalized(QString::NormalizationForm_C);
            return storage;
        }
        hasMacrons = true;
    }
    if (!hasMacrons)
        return word;
    QString &text = storage;
    text.clear();
    text.reserve(word.size());
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        const char16_t withMacron = i + 1 < word.size() && word[i + 1].unicode() == CombiningMacron && c < kTableEnd
            ? composedWithMacron(c)
            : 0;
        if (withMacron) {
            text += QChar(withMacron);
            ++i;
        } else {
            text += QChar(c);
        }
    }
    return text;
}

// The key character of each character below kTableEnd (folded, then
// lower-cased), looked up instead of worked out again for every character of
// every text; kDropped for the combining macron, which the key leaves out.
constexpr char16_t kDropped = 0xFFFF;

char16_t keyCharacter(char16_t c)
{
    if (c == CombiningMacron)
        return kDropped;
    return char16_t(QChar::toLower(char32_t(foldLetter(c))));
}

const std::array<char16_t, kTableEnd> &keyCharacters()
{
    static const std::array<char16_t, kTableEnd> table = [] {
        std::array<char16_t, kTableEnd> keys {};
        for (char16_t c = 0; c < kTableEnd; ++c)
            keys[c] = keyCharacter(c);
        return keys;
    }();
    return table;
}

} // namespace

QString RetTransc(QStringView text)
{
    // Steps in order: compose, drop macrons left over (on letters that have
    // no composed form), fold letters (before lower-casing, so the table
    // sees the original case), lower-case every character on its own, then
    // trim. Lower-casing is the simple per-character mapping, so one
    // character never becomes two.
    QString storage;
    const QStringView word = composed(text, storage);
    const auto &table = keyCharacters();
    QString key(word.size(), Qt::Uninitialized); // the key is never longer than the word
    char16_t *const first = reinterpret_cast<char16_t *>(key.data());
    char16_t *out = first;
    const char16_t *in = word.utf16();
    const char16_t *const inEnd = in + word.size();
    for (; in != inEnd; ++in) {
        const char16_t c = *in;
        char16_t k;
        if (c < kTableEnd) {
            k = table[c];
        } else if (QChar::isHighSurrogate(c) && in + 1 != inEnd && QChar::isLowSurrogate(in[1])) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(c, in[1]));
            if (QChar::requiresSurrogates(lower)) {
                *out++ = QChar::highSurrogate(lower);
                *out++ = QChar::lowSurrogate(lower);
            } else {
                *out++ = char16_t(lower);
            }
            ++in;
            continue;
        } else {
            k = keyCharacter(c);
        }
        if (k != kDropped)
            *out++ = k;
    }

    const char16_t *begin = first;
    while (begin < out && *begin <= 0x20)
        ++begin;
    while (out > begin && out[-1] <= 0x20)
        --out;
    if (begin == first) {
        key.truncate(out - first);
        return key;
    }
    return QString(reinterpret_cast<const QChar *>(begin), out - begin);
}

} // namespace lumolex
