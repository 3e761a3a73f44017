// The second level of the word list's order and the type-ahead that relies
// on it: pairs of headwords whose keys are equal stand plain letter first,
// whatever their source order, and typing either exact spelling lands on it.
#include "../table/tablefixture.h"

#include "data/table/spelling.h"
#include "data/wordlist/typeahead.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const QString Macron = QStringLiteral("\u0304");

struct SpellingPair {
    const char *what;
    QString plain;   // sorts first
    QString variant; // same key, spelt with a special letter or a macron
    QString typedVariant; // how a user may type the variant
};

QString landOn(Table &table, const QString &typed)
{
    TypeAhead(table).land(typed, RetTransc(typed));
    return table.value(u"WORD").toString();
}

} // namespace

TEST(SpellingOrder, EqualKeysStandPlainFirstAndTypingReachesEach)
{
    const QString nizne = QStringLiteral("нӣзнэ");
    const std::vector<SpellingPair> pairs = {
        {"ӈ after н", "маннь", "маӈӈь", "маӈӈь"},
        {"ӊ after ӈ", "маӈӈь", "маӊӊь", "маӊӊь"},
        {"ҏ after р", "выррьт", "выҏҏьт", "выҏҏьт"},
        {"ҍ after ь", "поаннь", "поаннҍ", "поаннҍ"},
        {"ј after й", "уййтэ", "ујјтэ", "ујјтэ"},
        {"ӆ after л", "олл", "оӆӆ", "ОӅӅ"},
        {"composed macron after none", "низнэ", nizne, nizne},
        {"macron typed apart", "низнэ", nizne, QStringLiteral("ни") + Macron + QStringLiteral("знэ")},
        {"macron with no composed letter", "лоагк", QStringLiteral("лоа") + Macron + QStringLiteral("гк"),
         QStringLiteral("лоа") + Macron + QStringLiteral("гк")},
        {"ӓ after а", "пал", "пӓл", "пӓл"},
    };
    for (const SpellingPair &pair : pairs) {
        for (const bool variantFirst : {false, true}) {
            SCOPED_TRACE(testing::Message() << pair.what << (variantFirst ? ", variant first in source" : ""));
            ASSERT_EQ(RetTransc(pair.plain), RetTransc(pair.variant));
            // Neighbours of other keys around the pair, and the pair in either source order.
            std::vector<Article> rows = {{1, 1, QStringLiteral("а")}, {2, 1, QStringLiteral("яя")}};
            rows.push_back({variantFirst ? 3 : 4, 1, pair.plain});
            rows.push_back({variantFirst ? 4 : 3, 1, pair.variant});
            auto table = articleTable(rows);
            const QStringList expected = {QStringLiteral("а"), pair.plain, pair.variant, QStringLiteral("яя")};
            QStringList order;
            for (int p = 0; p < table->recordCount(); ++p)
                order << table->valueAt(p, u"WORD").toString();
            EXPECT_EQ(order, expected);

            EXPECT_EQ(landOn(*table, pair.typedVariant), pair.variant);
            EXPECT_EQ(landOn(*table, pair.plain), pair.plain);
        }
    }
}

// Ties beyond the spelling: the same headword in two dictionaries stands by
// dictionary, the same headword twice in one by ID; a word typed without its
// special letters, when no headword is spelt so, lands on the first of its key.
TEST(SpellingOrder, TiesAndTypingWithoutSpecialLetters)
{
    auto table = articleTable({{9, 2, QStringLiteral("маӈӈь")},
                               {12, 1, QStringLiteral("маӈӈь")},
                               {7, 1, QStringLiteral("маӈӈь")},
                               {5, 1, QStringLiteral("маӊӊь")}});
    EXPECT_EQ(viewIds(*table), (QList<int>{7, 12, 5, 9}));
    EXPECT_EQ(landOn(*table, QStringLiteral("маннь")), QStringLiteral("маӈӈь"));
    EXPECT_EQ(currentId(*table), 7);
    EXPECT_EQ(landOn(*table, QStringLiteral("маӊӊь")), QStringLiteral("маӊӊь"));
}

// A Russian reader types е for ё: the list lands on ё when no key begins
// with the е spelling, and stays on е when one does; a typed ё means ё.
TEST(SpellingOrder, TypedIeReachesYo)
{
    auto table = articleTable({{1, 3, QStringLiteral("ель")},
                               {2, 3, QStringLiteral("ёлка")},
                               {3, 3, QStringLiteral("берёза")},
                               {4, 3, QStringLiteral("берег")},
                               {5, 3, QStringLiteral("жёлоб")}});
    struct Row {
        const char *typed;
        const char *lands;
    };
    const Row rows[] = {
        {"елка", "ёлка"},   {"ел", "ель"},     {"берез", "берёза"}, {"бере", "берег"},
        {"ёл", "ёлка"},     {"желоб", "жёлоб"}, {"ёль", "жёлоб"},     {"ЕЛКА", "ёлка"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(landOn(*table, QString::fromUtf8(row.typed)), QString::fromUtf8(row.lands));
    }
    EXPECT_EQ(yoSpellings(QStringLiteral("еле"), 16),
              (QStringList{QStringLiteral("еле"), QStringLiteral("ёле"), QStringLiteral("елё"), QStringLiteral("ёлё")}));
    EXPECT_EQ(yoSpellings(QStringLiteral("еееее"), 16).size(), 16);
}
