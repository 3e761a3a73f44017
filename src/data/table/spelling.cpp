#include "data/table/spelling.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <atomic>

namespace lumolex {

namespace {

constexpr char16_t kSmallIe = 0x0435; // е
constexpr char16_t kSmallIo = 0x0451; // ё
constexpr char16_t kCombiningMacron = 0x0304;
constexpr char16_t kCombiningDiaeresis = 0x0308;

// The place of a special Kildin letter after the plain letter it folds to
// (0 for every other character).
int variantRank(char16_t small)
{
    switch (small) {
    case 0x04C8: // ӈ
    case 0x04C6: // ӆ
    case 0x048F: // ҏ
    case 0x048D: // ҍ
    case 0x04BB: // һ
    case 0x0458: // ј
    case 0x04CE: // ӎ
        return 1;
    case 0x04CA: // ӊ
    case 0x048B: // ҋ
        return 2;
    default:
        return 0;
    }
}

int markWeight(char16_t mark)
{
    if (mark == kCombiningMacron)
        return 1;
    if (mark == kCombiningDiaeresis)
        return 2;
    return 4;
}

// A character decomposed: its base and the weight of the marks it carries.
struct Decomposed {
    char16_t base = 0;
    int marks = 0;
};

Decomposed decompose(char16_t c)
{
    const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
    Decomposed d;
    d.base = parts.isEmpty() ? c : parts[0].unicode();
    for (qsizetype i = 1; i < parts.size(); ++i)
        d.marks += markWeight(parts[i].unicode());
    return d;
}

// What the key needs of one UTF-16 unit: the small form of its base letter
// with that letter's variant rank and marks, whether it is a capital, and
// whether it is itself a combining mark (with its weight).
struct UnitInfo {
    quint8 variant = 0;
    quint8 marks = 0;
    bool capital = false;
    bool mark = false;
    quint8 markWeight = 0;
};

UnitInfo unitInfo(char16_t c)
{
    const Decomposed d = decompose(c);
    const char16_t small = char16_t(QChar::toLower(char32_t(d.base)));
    UnitInfo info;
    info.variant = quint8(variantRank(small));
    info.marks = quint8(std::min(d.marks, 255));
    info.capital = small != d.base;
    info.mark = QChar(c).isMark();
    info.markWeight = quint8(markWeight(c));
    return info;
}

// The units of Latin and Cyrillic text, each worked out the first time it
// is met and kept packed with a "known" bit: a key is then made by table
// look-ups alone, and a command-line look-up that meets a few dozen
// characters works out only those. Threads that work out one unit at the
// same time store the same value.
constexpr char16_t kTableEnd = 0x0530;
constexpr quint32 kKnown = 0x80000000u;

quint32 packed(const UnitInfo &info)
{
    return kKnown | quint32(info.variant) | quint32(info.marks) << 8 | quint32(info.markWeight) << 16
        | quint32(info.capital) << 24 | quint32(info.mark) << 25;
}

UnitInfo unpacked(quint32 bits)
{
    UnitInfo info;
    info.variant = quint8(bits & 0xFF);
    info.marks = quint8((bits >> 8) & 0xFF);
    info.markWeight = quint8((bits >> 16) & 0xFF);
    info.capital = (bits >> 24) & 1;
    info.mark = (bits >> 25) & 1;
    return info;
}

UnitInfo unitInfoOf(char16_t c)
{
    if (c >= kTableEnd)
        return unitInfo(c);
    static std::array<std::atomic<quint32>, kTableEnd> table {};
    quint32 bits = table[c].load(std::memory_order_relaxed);
    if (!(bits & kKnown)) {
        bits = packed(unitInfo(c));
        table[c].store(bits, std::memory_order_relaxed);
    }
    return unpacked(bits);
}

// Calls letter(variant, marks, capital) for each letter of the text, a
// letter being a base character with the combining marks that follow it.
template <typename Letter>
void forEachLetter(QStringView text, Letter letter)
{
    int marks = -1; // marks of the letter being read; -1 before the first
    UnitInfo current;
    for (const QChar ch : text) {
        const UnitInfo info = unitInfoOf(ch.unicode());
        if (info.mark && marks >= 0) {
            marks += info.markWeight;
            continue;
        }
        if (marks >= 0)
            letter(current.variant, marks, current.capital);
        current = info;
        marks = info.marks;
    }
    if (marks >= 0)
        letter(current.variant, marks, current.capital);
}

} // namespace

void SpellingCollation::appendSortKey(QStringView text, std::string &out)
{
    // At most one byte a unit for each of the two letter levels, a
    // separator after each, and two bytes a unit for the code units.
    const size_t start = out.size();
    out.resize(start + 4 * size_t(text.size()) + 2);
    char *next = out.data() + start;
    forEachLetter(text, [&next](int variant, int marks, bool) {
        *next++ = char(1 + variant * 16 + std::min(marks, 15));
    });
    *next++ = '\0';
    forEachLetter(text, [&next](int, int, bool capital) { *next++ = char(capital ? 2 : 1); });
    *next++ = '\0';
    for (const QChar ch : text) {
        *next++ = char(ch.unicode() >> 8);
        *next++ = char(ch.unicode() & 0xFF);
    }
    out.resize(size_t(next - out.data()));
}

std::string SpellingCollation::sortKey(QStringView text)
{
    std::string key;
    appendSortKey(text, key);
    return key;
}

QString SpellingCollation::typedForm(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_C).toLower();
}

bool SpellingCollation::spelledAs(QStringView stored, QStringView typed)
{
    return stored.compare(typed, Qt::CaseInsensitive) == 0;
}

QStringList yoSpellings(const QString &key, int limit)
{
    QStringList spellings{key};
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (key[i].unicode() != kSmallIe)
            continue;
        const qsizetype known = spellings.size();
        for (qsizetype s = 0; s < known && spellings.size() < limit; ++s) {
            QString withYo = spellings[s];
            withYo[i] = QChar(kSmallIo);
            spellings.append(withYo);
        }
    }
    return spellings;
}

namespace {

bool matchesReadingYo(QStringView text, qsizetype start, QStringView key)
{
    for (qsizetype j = 0; j < key.size(); ++j) {
        const char16_t t = text[start + j].unicode();
        const char16_t k = key[j].unicode();
        if (t != k && !(k == kSmallIe && t == kSmallIo))
            return false;
    }
    return true;
}

} // namespace

bool containsReadingYo(QStringView text, QStringView key)
{
    if (!key.contains(QChar(kSmallIe)))
        return text.contains(key);
    if (key.size() > text.size())
        return false;
    // Candidates are found by the first character of the key that is not е,
    // which the text must hold as it stands.
    qsizetype anchor = 0;
    while (anchor < key.size() && key[anchor].unicode() == kSmallIe)
        ++anchor;
    if (anchor == key.size()) {
        for (qsizetype start = 0; start + key.size() <= text.size(); ++start) {
            if (matchesReadingYo(text, start, key))
                return true;
        }
        return false;
    }
    for (qsizetype found = text.indexOf(key[anchor], anchor); found >= 0; found = text.indexOf(key[anchor], found + 1)) {
        const qsizetype start = found - anchor;
        if (start + key.size() > text.size())
            return false;
        if (matchesReadingYo(text, start, key))
            return true;
    }
    return false;
}

} // namespace lumolex
