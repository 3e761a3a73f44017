// Cursor flags and notifications of every move, on empty, one-record and
// many-record views, each with the filter off and with a filter that hides
// rows in between.
#include "tablefixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// The number of visible records, and whether rows of dictionary 7, hidden
// by the filter, lie around every visible one.
class CursorTest : public testing::TestWithParam<std::tuple<int, bool>>
{
protected:
    void SetUp() override
    {
        const auto [visible, filtered] = GetParam();
        n = visible;
        std::vector<Article> articles;
        const QString letters = "абвгдежзик";
        for (int i = 0; i < n; ++i) {
            if (filtered)
                articles.push_back({100 + i, 7, letters.mid(i, 1) + "а"});
            articles.push_back({i + 1, 1, letters.mid(i, 1) + "б"});
        }
        if (filtered)
            articles.push_back({999, 7, "яя"});
        table = articleTable(articles);
        if (filtered) {
            table->setFilterText("(DICT=0) OR (DICT=1)");
            table->setFiltered(true);
        }
        counter = std::make_unique<NotificationCounter>(*table);
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

// One walk through every kind of move: to the last record and back to the
// first by steps, then forward to the last, each end overshot twice.
TEST_P(CursorTest, FlagsAndNotificationsOfEveryMove)
{
    ASSERT_EQ(table->recordCount(), n);
    const bool empty = n == 0;
    const int firstNumber = empty ? 0 : 1;
    const int taken = empty ? 0 : 1;   // notifications of a step that moves or raises a flag
    // first and last always notify, even repeated, even on an empty view
    table->first();
    expectState(firstNumber, true, empty, 1);
    table->last();
    expectState(n, empty, true, 1);
    table->last();
    expectState(n, empty, true, 1);
    // reaching the first record by steps does not raise the beginning flag;
    // the step before it is taken, stays, raises it and notifies; one more
    // step is not taken and does nothing at all
    for (int expected = n - 1; expected >= 1; --expected) {
        table->prior();
        expectState(expected, false, false, 1);
    }
    table->prior();
    expectState(firstNumber, true, empty, taken);
    table->prior();
    expectState(firstNumber, true, empty, 0);
    // the same forward
    for (int expected = 2; expected <= n; ++expected) {
        table->next();
        expectState(expected, false, false, 1);
    }
    table->next();
    expectState(n, empty, true, taken);
    table->next();
    expectState(n, empty, true, 0);
    // turning back at the end clears the end flag; with one record the
    // step raises the beginning flag at once
    table->prior();
    expectState(n <= 1 ? firstNumber : n - 1, n <= 1, empty, taken);
}

TEST_P(CursorTest, ScanLoopVisitsEveryRecordOnce)
{
    QList<int> visited;
    QList<int> expected;
    for (table->first(); !table->atEnd(); table->next()) {
        if (!EmptyTable(*table))
            visited << currentId(*table);
    }
    for (int id = 1; id <= n; ++id)
        expected << id;
    EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Views, CursorTest, testing::Combine(testing::Values(0, 1, 5), testing::Bool()),
                         [](const auto &info) {
                             return std::to_string(std::get<0>(info.param)) + (std::get<1>(info.param) ? "Filtered" : "Plain");
                         });

TEST(CursorState, AnEmptyViewAnswersNothingAndMovesNowhere)
{
    auto table = articleTable({{1, 1, "а"}});
    table->setFilterText("(DICT=0)");
    table->setFiltered(true);
    NotificationCounter counter(*table);
    EXPECT_TRUE(EmptyTable(*table));
    EXPECT_EQ(table->currentRow(), -1);
    EXPECT_FALSE(table->value(u"WORD").isValid());
    EXPECT_TRUE(table->isNull(0));
    EXPECT_TRUE(table->blob(u"TRANSL").isEmpty());
    EXPECT_FALSE(table->findNearest("а"));
    EXPECT_FALSE(table->findKey({"а"}));
    EXPECT_FALSE(table->setRecordNumber(1));
    EXPECT_FALSE(table->mark().isValid());
    EXPECT_FALSE(table->gotoMark(table->mark()));
    EXPECT_EQ(counter.records, 0);
}

TEST(CursorState, LoadingStartsOnTheFirstRecordWithoutNotifying)
{
    Table table("examples", {{"ID", FieldType::Integer, 0},
                                             {"PHRASE", FieldType::Blob, 0}});
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
