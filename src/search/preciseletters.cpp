#include "search/preciseletters.h"

#include "article/transcription.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace lumolex {

namespace {

constexpr char16_t kCombiningMacron = 0x0304;
constexpr char16_t kSmallIe = 0x0435; // е
constexpr char16_t kSmallIo = 0x0451; // ё

// The key letter of each character of Latin and Cyrillic text, made from
// the key function itself so that both always agree, each the first time it
// is asked for (a one-shot search meets a few dozen letters). An entry holds
// the letter with kKnown set once made; threads that make one at once store
// the same value.
constexpr char16_t kTableEnd = 0x0530;
constexpr quint32 kKnown = 0x10000;

char16_t keyLetterOf(char16_t c)
{
    if (c >= kTableEnd)
        return char16_t(QChar::toLower(char32_t(c)));
    static std::array<std::atomic<quint32>, kTableEnd> table {};
    std::atomic<quint32> &entry = table[c];
    quint32 known = entry.load(std::memory_order_relaxed);
    if (!(known & kKnown)) {
        const QString key = RetTransc(QString(QChar(c)));
        known = kKnown | (key.size() == 1 ? key[0].unicode() : char16_t(QChar::toLower(char32_t(c))));
        entry.store(known, std::memory_order_relaxed);
    }
    return char16_t(known & 0xFFFF);
}

bool letterMatches(const PreciseLetters::Letter &query, const PreciseLetters::Letter &text, bool byKeyOnly)
{
    if (query.key != text.key && !(query.key == kSmallIe && text.key == kSmallIo))
        return false;
    if (byKeyOnly || !query.precise)
        return true;
    return query.exact == text.exact && query.macron == text.macron;
}

} // namespace

std::vector<PreciseLetters::Letter> lettersOf(QStringView text)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    std::vector<PreciseLetters::Letter> letters;
    letters.reserve(size_t(composed.size()));
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed[i];
        if (c.unicode() == kCombiningMacron && !letters.empty()) {
            letters.back().macron = true;
            continue;
        }
        PreciseLetters::Letter letter;
        letter.exact = char16_t(QChar::toLower(char32_t(c.unicode())));
        letter.key = keyLetterOf(c.unicode());
        letter.wordChar = c.isLetterOrNumber() || c.isMark();
        letters.push_back(letter);
    }
    return letters;
}

QStringList wordsOf(QStringView text)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QStringList words;
    QString word;
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed[i];
        // As lettersOf reads it: a macron after any character is part of it.
        if (c.unicode() == kCombiningMacron && i > 0) {
            if (!word.isEmpty())
                word += c;
            continue;
        }
        if (c.isLetterOrNumber() || c.isMark()) {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

PreciseLetters::PreciseLetters(QStringView query)
    : m_letters(lettersOf(query))
{
    for (Letter &letter : m_letters) {
        letter.precise = letter.macron || letter.exact != letter.key;
        m_precise = m_precise || letter.precise;
    }
}

bool PreciseLetters::isOneWord() const
{
    return !m_letters.empty()
        && std::all_of(m_letters.begin(), m_letters.end(), [](const Letter &letter) { return letter.wordChar; });
}

bool PreciseLetters::matches(QStringView text, Where where, bool byKeyOnly) const
{
    if (m_letters.empty())
        return false;
    const std::vector<Letter> letters = lettersOf(text);
    if (letters.size() < m_letters.size())
        return false;
    for (size_t start = 0; start + m_letters.size() <= letters.size(); ++start) {
        if (where == Where::WordStart && start > 0 && letters[start - 1].wordChar)
            continue;
        size_t j = 0;
        while (j < m_letters.size() && letterMatches(m_letters[j], letters[start + j], byKeyOnly))
            ++j;
        if (j == m_letters.size())
            return true;
    }
    return false;
}

bool PreciseLetters::foundIn(QStringView text) const
{
    return matches(text, Where::Anywhere, false);
}

bool PreciseLetters::beginsAWordIn(QStringView text) const
{
    return matches(text, Where::WordStart, false);
}

bool PreciseLetters::keyBeginsAWordIn(QStringView text) const
{
    return matches(text, Where::WordStart, true);
}

} // namespace lumolex
