// The card history as a flash-card deck: the import header, one line per
// word that an article holds, in the history's order, fields that cannot
// break the line, and the words no article holds left out and named.

#include "searchfixture.h"

#include "article/bodydecoder.h"
#include "search/carddeck.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

QVariant body(const char *plain)
{
    return deflateBody(QByteArray(plain));
}

TEST(CardDeck, HoldsOneEscapedLinePerWordOfTheHistoryInItsOrder)
{
    SearchTables tables({
        {10, 1, QStringLiteral("пуаз"), body("пуаз сущ. домашний олень")},
        {11, 3, QStringLiteral("олень"), body("олень\tпуаз\r\n<м.> & ж.\n")},
        {12, 2, QStringLiteral("маннь"), body("маннь яйцо")},
        {13, 2, QStringLiteral("маӈӈь"), body("маӈӈь невестка")},   // the same key as маннь
        {14, 9, QStringLiteral("Здравствуй!"), QVariant()},
    });
    const QStringList history{QStringLiteral("олень"), QStringLiteral("маӈӈь"), QStringLiteral("нет-такого"),
                              QStringLiteral("Здравствуй!"), QStringLiteral("пуаз")};
    const CardDeck deck = makeCardDeck(tables.articles, history);

    const QStringList lines = QString::fromUtf8(deck.text).split(u'\n');
    const QStringList expected{
        QStringLiteral("#separator:tab"),
        QStringLiteral("#html:true"),
        QStringLiteral("#tags column:3"),
        QStringLiteral("олень\tолень пуаз<br>&lt;м.&gt; &amp; ж.\tрусско-саамский-1986"),
        QStringLiteral("маӈӈь\tмаӈӈь невестка\tсаами-русский-1986"),   // the exact spelling, not the key's first
        QStringLiteral("Здравствуй!\t\tразговорник"),
        QStringLiteral("пуаз\tпуаз сущ. домашний олень\tсаами-русский-1985"),
        QString(),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(deck.cards, 4);
    EXPECT_EQ(deck.missing, QStringList{QStringLiteral("нет-такого")});
}

TEST(CardDeck, AnEmptyHistoryIsTheHeaderAlone)
{
    SearchTables tables({{10, 1, QStringLiteral("пуаз"), body("пуаз")}});
    const CardDeck deck = makeCardDeck(tables.articles, {});
    EXPECT_EQ(deck.text, QByteArray("#separator:tab\n#html:true\n#tags column:3\n"));
    EXPECT_EQ(deck.cards, 0);
}

} // namespace
