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
    // Most characters have no canonical decomposition: they are their own
    // base, without the cost of normalising a string.
    if (QChar::decompositionTag(char32_t(c)) != QChar::Canonical)
        return {c, 0};
    const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
    Decomposed d;
    d.base = parts.isEmpty() ? c : parts[0].unicode();
    for (qsizetype i = 1; i < parts.size(); ++i)
        d.marks += markWeight(parts[i].unicode());
    return d;
}

// Decompositions of the characters of Latin and Cyrillic text, each made
// the first time it is asked for (a look-up of a few rows meets a few dozen
// characters). An entry holds the base, the mark weight above it and
// kKnown once made; threads that make one at once store the same value.
constexpr char16_t kTableEnd = 0x0530;
constexpr quint32 kKnown = 0x80000000u;

Decomposed decomposition(char16_t c)
{
    if (c >= kTableEnd)
        return decompose(c);
    static std::array<std::atomic<quint32>, kTableEnd> table {};
    std::atomic<quint32> &entry = table[c];
    quint32 known = entry.load(std::memory_order_relaxed);
    if (!(known & kKnown)) {
        const Decomposed d = decompose(c);
        known = kKnown | (quint32(std::min(d.marks, 0x7FFF)) << 16) | d.base;
        entry.store(known, std::memory_order_relaxed);
    }
    return {char16_t(known & 0xFFFF), int((known >> 16) & 0x7FFF)};
}

} // namespace

void SpellingCollation::appendSortKey(QStringView text, std::string &out)
{
    std::string secondary;
    std::string tertiary;
    secondary.reserve(size_t(text.size()));
    tertiary.reserve(size_t(text.size()));
    int marks = -1; // marks of the letter being read; -1 before the first
    char16_t base = 0;
    const auto flush = [&] {
        if (marks < 0)
            return;
        const char16_t small = char16_t(QChar::toLower(char32_t(base)));
        secondary.push_back(char(1 + variantRank(small) * 16 + std::min(marks, 15)));
        tertiary.push_back(char(small != base ? 2 : 1));
    };
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (ch.isMark() && marks >= 0) {
            marks += markWeight(c);
            continue;
        }
        flush();
        const Decomposed d = decomposition(c);
        base = d.base;
        marks = d.marks;
    }
    flush();
    out += secondary;
    out.push_back('\0');
    out += tertiary;
    out.push_back('\0');
    for (const QChar ch : text) {
        out.push_back(char(ch.unicode() >> 8));
        out.push_back(char(ch.unicode() & 0xFF));
    }
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
