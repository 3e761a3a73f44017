// Cursor flags and notifications of every move, on empty, one-record and
// many-record views, each with the filter off and with a filter that hides
// rows in between.
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

struct ViewCase {
    int visible;     // records the view shows
    bool filtered;   // hidden rows of dictionary 7 around every visible one
};

void PrintTo(const ViewCase &c, std::ostream *out)
{
    *out << c.visible << (c.filtered ? " visible among hidden rows" : " rows");
}

std::string caseName(const testing::TestParamInfo<ViewCase> &info)
{
    return std::to_string(info.param.visible) + (info.param.filtered ? "Filtered" : "Plain");
}

class CursorTest : public testing::TestWithParam<ViewCase>
{
protected:
    void SetUp() override
    {
        std::vector<Article> articles;
        const QString letters = QStringLiteral("абвгдежзик");
        for (int i = 0; i < GetParam().visible; ++i) {
            if (GetParam().filtered)
                articles.push_back({100 + i, 7, letters.mid(i, 1) + QStringLiteral("а")});
            articles.push_back({i + 1, 1, letters.mid(i, 1) + QStringLiteral("б")});
        }
        if (GetParam().filtered)
            articles.push_back({999, 7, QStringLiteral("яя")});
        table = articleTable(articles);
        if (GetParam().filtered) {
            table->setFilterText(QStringLiteral("(DICT=0) OR (DICT=1)"));
            table->setFiltered(true);
        }
        counter = std::make_unique<NotificationCounter>(*table);
        n = GetParam().visible;
    }

    // Flags, position and notifications after one operation.
    void expectState(int recordNumber, bool atBeginning, bool atEnd, int notifications)
    {
        EXPECT_EQ(table->recordNumber(), recordNumber);
        EXPECT_EQ(table->atBeginning(), atBeginning);
        EXPECT_EQ(table->atEnd(), atEnd);
        EXPECT_EQ(counter->records, notifications);
        EXPECT_EQ(EmptyTable(*table), n == 0);
        if (recordNumber > 0) {
            EXPECT_EQ(currentId(*table), recordNumber); // visible IDs are 1..n in view order
        }
        counter->reset();
    }

    std::unique_ptr<Table> table;
    std::unique_ptr<NotificationCounter> counter;
    int n = 0;
};

} // namespace

TEST_P(CursorTest, FirstAndLastAlwaysNotify)
{
    ASSERT_EQ(table->recordCount(), n);
    table->first();
    if (n == 0)
        expectState(0, true, true, 1);
    else
        expectState(1, true, false, 1);
    table->last();
    if (n == 0)
        expectState(0, true, true, 1);
    else
        expectState(n, false, true, 1);
    table->last();
    expectState(n, n == 0, true, 1);
}

TEST_P(CursorTest, StepsForwardRaiseTheEndFlagOnlyPastTheLastRecord)
{
    table->first();
    counter->reset();
    for (int expected = 2; expected <= n; ++expected) {
        table->next();
        expectState(expected, false, false, 1);
    }
    // the step past the last record is taken, stays, raises the flag, notifies
    table->next();
    if (n == 0)
        expectState(0, true, true, 0);
    else
        expectState(n, false, true, 1);
    // a step not taken does nothing at all
    table->next();
    expectState(n, n == 0, true, 0);
}

TEST_P(CursorTest, StepsBackRaiseTheBeginningFlagOnlyBeforeTheFirstRecord)
{
    table->last();
    counter->reset();
    for (int expected = n - 1; expected >= 1; --expected) {
        table->prior();
        expectState(expected, false, false, 1);
    }
    table->prior();
    if (n == 0)
        expectState(0, true, true, 0);
    else
        expectState(1, true, false, 1);
    table->prior();
    expectState(n == 0 ? 0 : 1, true, n == 0, 0);
}

TEST_P(CursorTest, TurningBackAtAnEndClearsTheOtherFlag)
{
    table->first();
    if (n == 0) {
        table->next();
        table->prior();
        expectState(0, true, true, 1);  // only first() notified
        return;
    }
    table->next();                      // n == 1: at-end raised while at-beginning is cleared
    counter->reset();
    table->prior();
    if (n == 1)
        expectState(1, true, false, 1); // no record before: stays, flag raised
    else
        expectState(1, false, false, 1);
}

TEST_P(CursorTest, ScanLoopVisitsEveryRecordOnce)
{
    QList<int> visited;
    table->first();
    while (!table->atEnd()) {
        if (!EmptyTable(*table))
            visited << currentId(*table);
        table->next();
    }
    QList<int> expected;
    for (int id = 1; id <= n; ++id)
        expected << id;
    EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Views, CursorTest,
                         testing::Values(ViewCase{0, false}, ViewCase{1, false}, ViewCase{5, false},
                                         ViewCase{0, true}, ViewCase{1, true}, ViewCase{5, true}),
                         caseName);

TEST(CursorState, AnEmptyViewAnswersNothingAndMovesNowhere)
{
    auto table = articleTable({{1, 1, QStringLiteral("а")}});
    table->setFilterText(QStringLiteral("(DICT=0)"));
    table->setFiltered(true);
    NotificationCounter counter(*table);
    EXPECT_TRUE(EmptyTable(*table));
    EXPECT_EQ(table->currentRow(), -1);
    EXPECT_FALSE(table->value(u"WORD").isValid());
    EXPECT_TRUE(table->isNull(0));
    EXPECT_TRUE(table->blob(u"TRANSL").isEmpty());
    EXPECT_FALSE(table->findNearest(QStringLiteral("а")));
    EXPECT_FALSE(table->findKey({QStringLiteral("а")}));
    EXPECT_FALSE(table->setRecordNumber(1));
    EXPECT_FALSE(table->mark().isValid());
    EXPECT_FALSE(table->gotoMark(table->mark()));
    EXPECT_EQ(counter.records, 0);
}

TEST(CursorState, KeySearchesAndRecordNumbersLowerBothFlags)
{
    auto table = articleTable({{1, 1, QStringLiteral("а")}, {2, 1, QStringLiteral("б")}, {3, 1, QStringLiteral("в")}});
    table->first();
    ASSERT_TRUE(table->findKey({QStringLiteral("а")}));
    EXPECT_FALSE(table->atBeginning());
    table->last();
    ASSERT_TRUE(table->setRecordNumber(3));
    EXPECT_FALSE(table->atEnd());
    // so one more step is taken, stays and raises the flag
    table->next();
    EXPECT_EQ(table->recordNumber(), 3);
    EXPECT_TRUE(table->atEnd());
}

TEST(CursorState, LoadingStartsOnTheFirstRecordWithoutNotifying)
{
    Table table(QStringLiteral("examples"), {{QStringLiteral("ID"), FieldType::Integer, 0},
                                             {QStringLiteral("PHRASE"), FieldType::Blob, 0}});
    NotificationCounter counter(table);
    EXPECT_TRUE(EmptyTable(table));
    table.appendRow({5, QByteArray("x")});
    table.appendRow({6, QByteArray("y")});
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.recordNumber(), 1);
    EXPECT_TRUE(table.atBeginning());
    EXPECT_FALSE(table.atEnd());
    EXPECT_EQ(table.value(u"ID").toInt(), 5);
    EXPECT_EQ(counter.records, 0);
    EXPECT_EQ(table.activeIndex(), QString()); // table order
}
