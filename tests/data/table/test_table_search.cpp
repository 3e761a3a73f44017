// Index order and key searches: exact and nearest, at the edges of the view,
// with capitals, with ties between dictionaries, with long keys.
#include "tablefixture.h"

#include "data/table/collation.h"

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
        {1, 1, "кот"},   {2, 4, "Кот"},  {3, 2, "КОТ"},
        {4, 1, "ёж"},    {5, 1, "ель"},  {6, 1, "жук"},
        {7, 1, "уха"},   {8, 1, "Ӱгь"},  {9, 1, "фара"},
        {10, 1, "абв"},  {11, 1, "ящик"}, {12, 1, "2 мая"},
        {13, 0, "котёл"}, {14, 3, "кото"},
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
    table->setActiveIndex("cds1i2");
    EXPECT_EQ(viewIds(*table), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

// Each search starts from the last record of the view; a search that finds
// nothing neither moves nor notifies.
TEST_F(SearchTest, ExactSearch)
{
    const QString someDicts = "(DICT=0) OR (DICT=2) OR (DICT=4)";
    const struct {
        const char *index;
        QString filter;
        QVariantList key;
        int id;   // 0: not found
    } cases[] = {
        {"cds1i1", {}, {"кот"}, 1},                 // a tie: the smallest visible dictionary
        {"cds1i1", someDicts, {"кот"}, 3},
        {"cds1i1", someDicts, {"кот", 4}, 2},       // both fields
        {"cds1i1", someDicts, {"кот", 1}, 0},       // dictionary 1 is hidden
        {"cds1i1", {}, {"КОТЁЛ"}, 13},              // case-insensitive
        {"cds1i1", {}, {"ӰГЬ"}, 8},                 // capital Ӱ of the typed key equals the stored ӱ
        {"cds1i1", {}, {"ко"}, 0},                  // a prefix is not a match
        {"cds1i1", {}, {"котелок"}, 0},
        {"cds1i1", {}, {"еж"}, 0},                  // е and ё are different letters
        {"cds1i2", {}, {14}, 14},
        {"cds1i2", {}, {"5"}, 5},                   // a number given as text
        {"cds1i2", {}, {15}, 0},
        {"cds1i2", {}, {"пять"}, 0},                // not a number: refused
        {"cds1i2", {}, {1, 2}, 0},                  // more values than fields
        {"cds1i2", {}, {}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QVariant(c.key).toStringList().join(u'/').toStdString() + " " + c.filter.toStdString());
        ASSERT_TRUE(table->setActiveIndex(QString::fromLatin1(c.index)));
        ASSERT_TRUE(table->setFilterText(c.filter));
        table->setFiltered(!c.filter.isEmpty());
        table->last();
        const int before = currentId(*table);
        counter->reset();
        EXPECT_EQ(table->findKey(c.key), c.id != 0);
        EXPECT_EQ(currentId(*table), c.id != 0 ? c.id : before);
        EXPECT_EQ(counter->records, c.id != 0 ? 1 : 0);
    }
}

// Key searches, record numbers and marks lower both flags, so from the last
// record one more step is taken, stays and raises the end flag.
TEST_F(SearchTest, MovesOtherThanStepsLowerBothFlags)
{
    table->first();
    ASSERT_TRUE(table->findKey({"2 мая"}));
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_FALSE(table->atBeginning());
    table->first();
    ASSERT_TRUE(table->findNearest("!"));     // below every key
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_FALSE(table->atBeginning());
    ASSERT_TRUE(table->findNearest(QString()));               // empty text: the first record
    EXPECT_EQ(table->recordNumber(), 1);

    table->last();
    ASSERT_TRUE(table->setRecordNumber(table->recordCount()));
    EXPECT_FALSE(table->atEnd());
    table->last();
    const TableMark last = table->mark();
    table->last();
    ASSERT_TRUE(table->gotoMark(last));
    EXPECT_FALSE(table->atEnd());
    table->last();
    ASSERT_TRUE(table->findNearest("яя"));    // past the last key: the last record
    EXPECT_EQ(currentId(*table), 11);
    EXPECT_FALSE(table->atEnd());
    table->next();
    EXPECT_TRUE(table->atEnd());
    EXPECT_EQ(currentId(*table), 11);
}

TEST_F(SearchTest, NearestSearchTakesTheFirstKeyNotLess)
{
    const QString someDicts = "(DICT=0) OR (DICT=3)";
    const struct { const char16_t *typed; int id; QString filter = {}; } cases[] = {
        {u"к", 1}, {u"К", 1}, {u"ко", 1}, {u"КОТ", 1}, {u"коте", 13}, {u"котё", 13},
        {u"котж", 14}, {u"е", 5}, {u"ё", 4}, {u"Ё", 4}, {u"у", 7}, {u"ӱ", 8}, {u"ф", 9},
        {u"ъ", 11}, {u"2 м", 12}, {u"a", 10},   // Latin letters sort below every Cyrillic one
        {u"а", 13, someDicts},                   // the first visible key not less
        {u"котп", 14, someDicts},                // past the last visible key: the last visible record
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString() + " " + c.filter.toStdString());
        table->setFilterText(c.filter);
        table->setFiltered(!c.filter.isEmpty());
        counter->reset();
        ASSERT_TRUE(table->findNearest(QString::fromUtf16(c.typed)));
        EXPECT_EQ(currentId(*table), c.id);
        EXPECT_EQ(counter->records, 1);
    }
}

TEST_F(SearchTest, KeysLongerThanTheFieldWidth)
{
    const QString longWord = QString(70, QChar(u'д')) + "Ӣ";
    table->appendRow({20, 1, longWord, QVariant(), RetTransc(longWord), QVariant()});
    // the comparison folds no Kildin letter: keys are made by the key function
    EXPECT_FALSE(table->findKey({longWord}));
    ASSERT_TRUE(table->findKey({RetTransc(longWord)}));
    EXPECT_EQ(currentId(*table), 20);
    ASSERT_TRUE(table->findNearest(QString(200, QChar(u'д'))));
    EXPECT_EQ(currentId(*table), 20);                         // "д"x70 + "и" is the first key not less
    ASSERT_TRUE(table->findNearest(QString(70, QChar(u'д')) + "й"));
    EXPECT_EQ(currentId(*table), 5);
}

TEST_F(SearchTest, SearchesWithoutAnIndexAreRefused)
{
    ASSERT_TRUE(table->setActiveIndex(QString()));
    table->first();
    EXPECT_FALSE(table->findKey({"кот"}));
    EXPECT_FALSE(table->findNearest("кот"));
    EXPECT_EQ(currentId(*table), 1);                          // table order
    table->setActiveIndex("cds1i2");
    EXPECT_FALSE(table->findNearest("кот"));  // an integer index wants a number
    EXPECT_TRUE(table->findNearest("7"));
    EXPECT_EQ(currentId(*table), 7);
}

TEST(IndexOrder, AgreesWithTheCollationOnLongSharedAndEqualKeys)
{
    // Keys up to 40 letters over a small alphabet: many share long beginnings
    // or are equal, some are empty or null. The large table goes through the
    // bucketed sort of big indexes, the small one through the plain sort.
    for (const int rowCount : {3000, 70000}) {
        QRandomGenerator random(7);
        const QString letters = "аёеӱуяA";
        Table table("articles", articleFields());
        struct Expected { QVariant key; int dict; int row; };
        std::vector<Expected> rows;
        for (int row = 0; row < rowCount; ++row) {
            QString key = QString(random.bounded(3) * 8, QChar(u'к'));
            for (int n = random.bounded(20); n > 0; --n)
                key += letters[random.bounded(int(letters.size()))];
            const QVariant value = random.bounded(50) == 0 ? QVariant() : QVariant(key);
            const int dict = random.bounded(3);
            table.appendRow({row, dict, key, QVariant(), value, QVariant()});
            rows.push_back({value, dict, row});
        }
        table.addIndex("cds1i1", "TRANSC;DICT");
        table.setActiveIndex("cds1i1");

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
            ASSERT_EQ(table.valueAt(p, u"ID").toInt(), rows[size_t(p)].row) << rowCount << " rows, view position " << p;
    }
}
