// Index order and key searches: exact and nearest, at the edges of the view,
// with capitals, with ties between dictionaries, with long keys.
#include "tablefixture.h"

#include "data/collation.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// Keys in index order: "ёж" after every "е" word, "ӱ" words (from the capital
// Ӱ) after "у" words; "кот" in three dictionaries, entered out of order.
std::vector<Article> sampleArticles()
{
    return {
        {1, 1, QStringLiteral("кот")},   {2, 4, QStringLiteral("Кот")},  {3, 2, QStringLiteral("КОТ")},
        {4, 1, QStringLiteral("ёж")},    {5, 1, QStringLiteral("ель")},  {6, 1, QStringLiteral("жук")},
        {7, 1, QStringLiteral("уха")},   {8, 1, QStringLiteral("Ӱгь")},  {9, 1, QStringLiteral("фара")},
        {10, 1, QStringLiteral("абв")},  {11, 1, QStringLiteral("ящик")}, {12, 1, QStringLiteral("2 мая")},
        {13, 0, QStringLiteral("котёл")}, {14, 3, QStringLiteral("кото")},
    };
}

class SearchTest : public testing::Test
{
protected:
    void SetUp() override
    {
        table = articleTable(sampleArticles());
        counter = std::make_unique<NotificationCounter>(*table);
    }
    std::unique_ptr<Table> table;
    std::unique_ptr<NotificationCounter> counter;
};

} // namespace

TEST_F(SearchTest, IndexOrderFollowsTheAlphabetAndTiesGoByDictionary)
{
    EXPECT_EQ(viewIds(*table), (QList<int>{12, 10, 5, 4, 6, 1, 3, 2, 13, 14, 7, 8, 9, 11}));
    table->setActiveIndex(QStringLiteral("cds1i2"));
    EXPECT_EQ(viewIds(*table), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

TEST_F(SearchTest, ExactSearchFindsTheSmallestVisibleDictionaryOfATie)
{
    table->first();
    counter->reset();
    ASSERT_TRUE(table->findKey({QStringLiteral("кот")}));
    EXPECT_EQ(currentId(*table), 1);
    EXPECT_EQ(counter->records, 1);

    table->setFilterText(QStringLiteral("(DICT=0) OR (DICT=2) OR (DICT=4)"));
    table->setFiltered(true);
    ASSERT_TRUE(table->findKey({QStringLiteral("кот")}));
    EXPECT_EQ(currentId(*table), 3);
    // both fields
    ASSERT_TRUE(table->findKey({QStringLiteral("кот"), 4}));
    EXPECT_EQ(currentId(*table), 2);
    // dictionary 1 is hidden now: no match, no move, no notification
    counter->reset();
    EXPECT_FALSE(table->findKey({QStringLiteral("кот"), 1}));
    EXPECT_EQ(currentId(*table), 2);
    EXPECT_EQ(counter->records, 0);
}

TEST_F(SearchTest, ExactSearchIgnoresCaseAndNeedsTheWholeKey)
{
    ASSERT_TRUE(table->findKey({QStringLiteral("КОТЁЛ")}));
    EXPECT_EQ(currentId(*table), 13);
    EXPECT_TRUE(table->findKey({QStringLiteral("ӰГЬ")}));   // capital Ӱ of the typed key equals the stored ӱ
    EXPECT_EQ(currentId(*table), 8);
    EXPECT_FALSE(table->findKey({QStringLiteral("ко")}));   // a prefix is not a match
    EXPECT_FALSE(table->findKey({QStringLiteral("котелок")}));
    EXPECT_FALSE(table->findKey({QStringLiteral("еж")}));   // е and ё are different letters
    EXPECT_EQ(currentId(*table), 8);
}

TEST_F(SearchTest, ExactSearchOnTheIdIndex)
{
    table->setActiveIndex(QStringLiteral("cds1i2"));
    EXPECT_TRUE(table->findKey({14}));
    EXPECT_EQ(table->value(u"WORD").toString(), QStringLiteral("кото"));
    EXPECT_TRUE(table->findKey({QStringLiteral("5")}));      // a number given as text
    EXPECT_EQ(currentId(*table), 5);
    EXPECT_FALSE(table->findKey({15}));
    EXPECT_FALSE(table->findKey({QStringLiteral("пять")}));  // not a number: refused
    EXPECT_FALSE(table->findKey({1, 2}));                    // more values than fields
    EXPECT_FALSE(table->findKey({}));
    EXPECT_EQ(currentId(*table), 5);
}

TEST_F(SearchTest, NearestSearchAtTheEdgesOfTheView)
{
    ASSERT_TRUE(table->findNearest(QStringLiteral("!")));     // below every key
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_FALSE(table->atBeginning());
    ASSERT_TRUE(table->findNearest(QString()));               // empty text: the first record
    EXPECT_EQ(table->recordNumber(), 1);
    ASSERT_TRUE(table->findNearest(QStringLiteral("яя")));    // past the last key: the last record
    EXPECT_EQ(currentId(*table), 11);
    EXPECT_FALSE(table->atEnd());
    table->next();                                            // one more step raises the flag
    EXPECT_TRUE(table->atEnd());
    EXPECT_EQ(currentId(*table), 11);
}

TEST_F(SearchTest, NearestSearchTakesTheFirstKeyNotLess)
{
    const struct { const char16_t *typed; int id; } cases[] = {
        {u"к", 1}, {u"К", 1}, {u"ко", 1}, {u"КОТ", 1}, {u"коте", 13}, {u"котё", 13},
        {u"котж", 14}, {u"е", 5}, {u"ё", 4}, {u"Ё", 4}, {u"у", 7}, {u"ӱ", 8}, {u"ф", 9},
        {u"ъ", 11}, {u"2 м", 12}, {u"a", 10},   // Latin letters sort below every Cyrillic one
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        counter->reset();
        ASSERT_TRUE(table->findNearest(QString::fromUtf16(c.typed)));
        EXPECT_EQ(currentId(*table), c.id);
        EXPECT_EQ(counter->records, 1);
    }
}

TEST_F(SearchTest, NearestSearchStaysInsideTheFilteredView)
{
    table->setFilterText(QStringLiteral("(DICT=0) OR (DICT=3)"));
    table->setFiltered(true);
    ASSERT_TRUE(table->findNearest(QStringLiteral("а")));
    EXPECT_EQ(currentId(*table), 13);                         // first visible key >= "а"
    ASSERT_TRUE(table->findNearest(QStringLiteral("котп")));
    EXPECT_EQ(currentId(*table), 14);                         // the last visible record
}

TEST_F(SearchTest, KeysLongerThanTheFieldWidth)
{
    const QString longWord = QString(70, QChar(u'д')) + QStringLiteral("Ӣ");
    table->appendRow({20, 1, longWord, QVariant(), RetTransc(longWord), QVariant()});
    // the comparison folds no Kildin letter: keys are made by the key function
    EXPECT_FALSE(table->findKey({longWord}));
    ASSERT_TRUE(table->findKey({RetTransc(longWord)}));
    EXPECT_EQ(currentId(*table), 20);
    ASSERT_TRUE(table->findNearest(QString(200, QChar(u'д'))));
    EXPECT_EQ(currentId(*table), 20);                         // "д"x70 + "и" is the first key not less
    ASSERT_TRUE(table->findNearest(QString(70, QChar(u'д')) + QStringLiteral("й")));
    EXPECT_EQ(currentId(*table), 5);
}

TEST_F(SearchTest, SearchesWithoutAnIndexAreRefused)
{
    ASSERT_TRUE(table->setActiveIndex(QString()));
    table->first();
    EXPECT_FALSE(table->findKey({QStringLiteral("кот")}));
    EXPECT_FALSE(table->findNearest(QStringLiteral("кот")));
    EXPECT_EQ(currentId(*table), 1);                          // table order
    table->setActiveIndex(QStringLiteral("cds1i2"));
    EXPECT_FALSE(table->findNearest(QStringLiteral("кот")));  // an integer index wants a number
    EXPECT_TRUE(table->findNearest(QStringLiteral("7")));
    EXPECT_EQ(currentId(*table), 7);
}

TEST(IndexOrder, AgreesWithTheCollationOnLongSharedAndEqualKeys)
{
    // Keys up to 40 letters over a small alphabet: many share long beginnings
    // or are equal, some are empty or null.
    QRandomGenerator random(7);
    const QString letters = QStringLiteral("аёеӱуяA");
    Table table(QStringLiteral("articles"), articleFields());
    struct Expected { QVariant key; int dict; int row; };
    std::vector<Expected> rows;
    for (int row = 0; row < 3000; ++row) {
        QString key = QString(random.bounded(3) * 8, QChar(u'к'));
        for (int n = random.bounded(20); n > 0; --n)
            key += letters[random.bounded(int(letters.size()))];
        const QVariant value = random.bounded(50) == 0 ? QVariant() : QVariant(key);
        const int dict = random.bounded(3);
        table.appendRow({row, dict, key, QVariant(), value, QVariant()});
        rows.push_back({value, dict, row});
    }
    table.addIndex(QStringLiteral("cds1i1"), QStringLiteral("TRANSC;DICT"));
    table.setActiveIndex(QStringLiteral("cds1i1"));

    std::sort(rows.begin(), rows.end(), [](const Expected &a, const Expected &b) {
        if (a.key.isValid() != b.key.isValid())
            return !a.key.isValid();
        const int c = KeyCollation::compare(a.key.toString(), b.key.toString());
        if (c != 0)
            return c < 0;
        return a.dict != b.dict ? a.dict < b.dict : a.row < b.row;
    });
    ASSERT_EQ(table.recordCount(), int(rows.size()));
    for (int p = 0; p < table.recordCount(); ++p)
        ASSERT_EQ(table.valueAt(p, u"ID").toInt(), rows[size_t(p)].row) << "view position " << p;
}
