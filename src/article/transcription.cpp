#include "article/transcription.h"

#include <QChar>

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

// The word composed (NFC), so that a letter spelt as a base letter and
// combining marks meets the folding table as the one letter it is. Text
// without combining marks is NFC already and is taken as it is.
QString composed(QStringView word)
{
    for (const QChar c : word) {
        if (c.unicode() >= 0x0300) {
            const QString text = word.toString();
            return text.normalized(QString::NormalizationForm_C);
        }
    }
    return word.toString();
}

} // namespace

QString RetTransc(QStringView text)
{
    // Steps in order: compose, drop macrons left over (on letters that have
    // no composed form), fold letters (before lower-casing, so the table
    // sees the original case), lower-case every character on its own, then
    // trim. Lower-casing is the simple per-character mapping, so one
    // character never becomes two.
    const QString word = composed(text);
    QString key;
    key.reserve(word.size());
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c == CombiningMacron)
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < word.size() && word[i + 1].isLowSurrogate()) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(c, word[i + 1].unicode()));
            key += QString::fromUcs4(&lower, 1);
            ++i;
            continue;
        }
        key += QChar(QChar::toLower(char32_t(foldLetter(c))));
    }

    qsizetype begin = 0;
    qsizetype end = key.size();
    while (begin < end && key[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && key[end - 1].unicode() <= 0x20)
        --end;
    return key.mid(begin, end - begin);
}

} // namespace lumolex
