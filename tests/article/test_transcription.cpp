// The transcription key: the stored TRANSC values of every data file were
// made with it, so these cases pin its exact output.
#include "article/transcription.h"

#include <gtest/gtest.h>

#include <QString>

using lumolex::RetTransc;

namespace {

QString u(std::initializer_list<char16_t> units)
{
    QString s;
    for (char16_t c : units)
        s += QChar(c);
    return s;
}

} // namespace

TEST(RetTransc, ExamplesOfTheKeyDefinition)
{
    // two spaces, Ӓ + macron, ӱ, one space -> "ау"
    EXPECT_EQ(RetTransc(u({0x20, 0x20, 0x04D2, 0x0304, 0x04F1, 0x20})), u({0x0430, 0x0443}));
    // capital Ӱ has no folding entry: lower-casing keeps it as ӱ
    EXPECT_EQ(RetTransc(u({0x04F0})), u({0x04F1}));
    // Ё with macron -> ё, not е
    EXPECT_EQ(RetTransc(u({0x0401, 0x0304})), u({0x0451}));
    EXPECT_EQ(RetTransc(QString()), QString());
    EXPECT_TRUE(RetTransc(QString()).isEmpty());
}

TEST(RetTransc, EveryLetterOfTheFoldingTable)
{
    struct Fold { char16_t from; char16_t to; };
    const Fold table[] = {
        {0x04D3, 0x0430}, {0x04D2, 0x0430}, {0x04BB, 0x0445}, {0x04BA, 0x0445},
        {0x04E3, 0x0438}, {0x04E2, 0x0438}, {0x048B, 0x0439}, {0x048A, 0x0439},
        {0x0458, 0x0439}, {0x0408, 0x0439}, {0x04C6, 0x043B}, {0x04C5, 0x043B},
        {0x04CE, 0x043C}, {0x04CD, 0x043C}, {0x04CA, 0x043D}, {0x04C9, 0x043D},
        {0x04C8, 0x043D}, {0x04C7, 0x043D}, {0x04E7, 0x043E}, {0x04E6, 0x043E},
        {0x048F, 0x0440}, {0x048E, 0x0440}, {0x04EF, 0x0443}, {0x04EE, 0x0443},
        {0x04F1, 0x0443}, {0x048D, 0x044C}, {0x048C, 0x044C}, {0x04ED, 0x044D},
        {0x04EC, 0x044D},
    };
    for (const Fold &f : table) {
        SCOPED_TRACE(QString::number(f.from, 16).toStdString());
        EXPECT_EQ(RetTransc(u({f.from})), u({f.to}));
        // inside a word, with a macron after it
        EXPECT_EQ(RetTransc(u({0x041A, f.from, 0x0304, 0x0442})), u({0x043A, f.to, 0x0442}));
    }
}

TEST(RetTransc, LowerCasesAndKeepsOtherCharacters)
{
    EXPECT_EQ(RetTransc(QStringLiteral("МОСКВА")), QStringLiteral("москва"));
    EXPECT_EQ(RetTransc(QStringLiteral("Ёлка")), QStringLiteral("ёлка"));
    EXPECT_EQ(RetTransc(QStringLiteral("Abc-1, 2!")), QStringLiteral("abc-1, 2!"));
    // spaces inside stay, only the ends are trimmed (tabs and controls too)
    EXPECT_EQ(RetTransc(QStringLiteral("\t\r\n a  b \x01")), QStringLiteral("a  b"));
    EXPECT_EQ(RetTransc(QStringLiteral("   ")), QString());
    // a lone macron disappears; one between letters does not join them
    EXPECT_EQ(RetTransc(u({0x0304})), QString());
    EXPECT_EQ(RetTransc(u({0x0430, 0x0304, 0x0304, 0x0431})), u({0x0430, 0x0431}));
    // vowels with macron keep their base letter
    EXPECT_EQ(RetTransc(u({0x042F, 0x0304, 0x042E, 0x0304})), u({0x044F, 0x044E}));
    // no-break space (U+00A0) is above U+0020 and is not trimmed
    EXPECT_EQ(RetTransc(u({0x00A0, 0x0061})), u({0x00A0, 0x0061}));
}

TEST(RetTransc, ExtendedCyrillicCapitalsOutsideTheTableAreLowerCased)
{
    // Ӱ is the table's only capital without an entry; other extended capitals
    // not in the table (Ҷ, Ӝ) simply become small letters.
    EXPECT_EQ(RetTransc(u({0x04B6, 0x04DC})), u({0x04B7, 0x04DD}));
    // a word mixing both forms of the u with diaeresis
    EXPECT_EQ(RetTransc(u({0x04F0, 0x04F1})), u({0x04F1, 0x0443}));
}

TEST(RetTransc, LowerCasingIsOneCharacterForOne)
{
    // İ (U+0130) would become two characters with the language-specific
    // mapping; the key maps each character on its own.
    EXPECT_EQ(RetTransc(u({0x0130})).size(), 1);
    // characters outside the basic plane are lower-cased as one unit
    const QString deseretCapital = QString::fromUcs4(U"\U00010400", 1);
    const QString deseretSmall = QString::fromUcs4(U"\U00010428", 1);
    EXPECT_EQ(RetTransc(deseretCapital), deseretSmall);
    // a broken surrogate passes through without harm
    EXPECT_EQ(RetTransc(u({0xD800, 0x0041})), u({0xD800, 0x0061}));
}

TEST(RetTransc, IsStableWhenAppliedTwiceExceptForTheCapitalUWithDiaeresis)
{
    const QString words[] = {QStringLiteral("Лыӈӈк"), QStringLiteral("  Ка̄ллесь "), QStringLiteral("ЁЖ")};
    for (const QString &w : words)
        EXPECT_EQ(RetTransc(RetTransc(w)), RetTransc(w));
    // ӱ from a capital Ӱ folds to у on a second pass: keys are made once, from the word
    EXPECT_EQ(RetTransc(RetTransc(u({0x04F0}))), u({0x0443}));
}
