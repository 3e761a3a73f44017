// Splitting a query into words, the trimming and the length rule of a query,
// and the reading of ARRID entries.

#include "search/arrid.h"
#include "search/querytext.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

QString repeated(const QString &word, int times)
{
    QStringList words;
    for (int i = 0; i < times; ++i)
        words << word + QString::number(i);
    return words.join(u' ');
}

TEST(QueryText, TokensAreTheFieldsBetweenSeparators)
{
    const QString long200 = repeated(QStringLiteral("w"), 200);
    struct Case {
        QString text;
        int count;
        int n;
        QString token;
    };
    const Case cases[] = {
        {QString(), 0, 1, QString()},
        {QStringLiteral("дом"), 1, 1, QStringLiteral("дом")},
        {QStringLiteral("дом"), 1, 0, QString()},
        {QStringLiteral("дом"), 1, 2, QString()},
        {QStringLiteral("дом лес"), 2, 2, QStringLiteral("лес")},
        {QStringLiteral("дом  лес"), 3, 2, QString()},          // two blanks enclose an empty word
        {QStringLiteral("дом  лес"), 3, 3, QStringLiteral("лес")},
        {QStringLiteral(" дом"), 2, 1, QString()},
        {QStringLiteral("дом "), 2, 2, QString()},
        {QStringLiteral("дом "), 2, 3, QString()},
        {long200, 200, 150, QStringLiteral("w149")},            // past any 8-bit count
        {long200, 200, 200, QStringLiteral("w199")},
        {long200, 200, 201, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString() + " n=" + std::to_string(c.n));
        EXPECT_EQ(TokenCount(c.text, u' '), c.count);
        EXPECT_EQ(GetToken(c.text, u' ', c.n), c.token);
    }
}

TEST(QueryText, QueryIsTrimmedOfControlCharactersAndNeedsTwoCharacters)
{
    struct Case {
        QString typed;
        QString trimmed;
        QueryCheck check;
    };
    const Case cases[] = {
        {QStringLiteral("  дом  "), QStringLiteral("дом"), QueryCheck::Ok},
        {QStringLiteral("\t\r\nдом лес\x01"), QStringLiteral("дом лес"), QueryCheck::Ok},
        {QStringLiteral("   "), QString(), QueryCheck::Empty},
        {QString(), QString(), QueryCheck::Empty},
        {QStringLiteral(" д "), QStringLiteral("д"), QueryCheck::TooShort},
        {QStringLiteral("до"), QStringLiteral("до"), QueryCheck::Ok},           // exactly the minimum
        {QStringLiteral("д о"), QStringLiteral("д о"), QueryCheck::Ok},
        {QStringLiteral("\u00a0д"), QStringLiteral("д"), QueryCheck::TooShort}, // a no-break space is a blank
        {QStringLiteral("\u00adдо\u200b"), QStringLiteral("до"), QueryCheck::Ok},  // invisible characters go
        {QStringLiteral("д\u0304"), QStringLiteral("д\u0304"), QueryCheck::TooShort}, // a letter with its mark
        {QStringLiteral("\u0304д"), QStringLiteral("\u0304д"), QueryCheck::Ok},       // a mark first is read alone
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QString trimmed = trimQuery(c.typed);
        EXPECT_EQ(trimmed, c.trimmed);
        EXPECT_EQ(checkQuery(trimmed), c.check);
    }
}

TEST(QueryText, ArrIdEntriesAreReadInOrderSkippingBlankAndNonNumericOnes)
{
    struct Case {
        QString arrid;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {QStringLiteral("|5|9|"), {5, 9}},
        {QStringLiteral("|12| 34 ||56|"), {12, 34, 56}},
        {QStringLiteral("7"), {7}},
        {QStringLiteral("|9|9|"), {9, 9}},
        {QStringLiteral("|\t8\n|"), {8}},
        {QStringLiteral("|x|7|3a|1 2|"), {7}},
        {QStringLiteral("|99999999999|4|"), {4}},       // out of range is not a number
        {QStringLiteral("|2147483647|-2147483648|"), {2147483647, -2147483647 - 1}},
        {QStringLiteral("|2147483648|-2147483649|4|"), {4}},
        {QStringLiteral(""), {}},
        {QStringLiteral("|||"), {}},
    };
    std::vector<int> ids{42};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arrid.toStdString());
        parseArrId(c.arrid, ids);
        EXPECT_EQ(ids, c.ids);
    }
}

} // namespace
