// Accelerated stepping of the step buttons (TimerNav), tick by tick on a
// manual timer, and the page moves of the list keys.

#include "appfixture.h"

#include "data/table/table.h"
#include "data/wordlist/wordlistnavigator.h"

#include <gtest/gtest.h>

namespace lumolex {
namespace {

class Accelerator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<test::ArticleRow> words;
        for (int i = 1; i <= rows; ++i)
            words.push_back({i, 1, QStringLiteral("слово%1").arg(i, 3, 10, QLatin1Char('0'))});
        table = test::articleTable(words);
        table->first();
        QObject::connect(table.get(), &Table::recordChanged, [this] { ++notifications; });
        navigator = std::make_unique<NavAccelerator>(table.get(), &timer);
    }

    const int rows = 100;
    std::unique_ptr<Table> table;
    test::ManualStepTimer timer;
    std::unique_ptr<NavAccelerator> navigator;
    int notifications = 0;
};

TEST_F(Accelerator, SpeedsUpAtTicksFiveTenAndTwentyFive)
{
    navigator->press(NavDirection::Next);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 500);
    std::vector<int> intervals;
    for (int tick = 1; tick <= 40; ++tick) {
        timer.tick();
        intervals.push_back(timer.interval());
    }
    EXPECT_EQ(intervals[3], 500);  // tick 4
    EXPECT_EQ(intervals[4], 250);  // tick 5
    EXPECT_EQ(intervals[8], 250);  // tick 9
    EXPECT_EQ(intervals[9], 125);  // tick 10
    EXPECT_EQ(intervals[23], 125); // tick 24
    EXPECT_EQ(intervals[24], 70);  // tick 25
    EXPECT_EQ(intervals[39], 70);
    // Each speed change restarts the period once: the press, then ticks 5, 10, 25.
    EXPECT_EQ(timer.starts, (std::vector<int>{500, 250, 125, 70}));
    // The count stops growing at 30.
    EXPECT_EQ(navigator->tickCount(), 30);
    EXPECT_EQ(table->recordNumber(), 41);
    EXPECT_EQ(notifications, 40);
}

TEST_F(Accelerator, ReleaseStopsAndResets)
{
    navigator->press(NavDirection::Next);
    for (int tick = 0; tick < 12; ++tick)
        timer.tick();
    navigator->release();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(navigator->tickCount(), 0);
    EXPECT_EQ(navigator->direction(), NavDirection::None);
    EXPECT_EQ(table->recordNumber(), 13);

    // The next press starts slowly again.
    navigator->press(NavDirection::Prior);
    EXPECT_EQ(timer.interval(), 500);
    timer.tick();
    EXPECT_EQ(table->recordNumber(), 12);
}

TEST_F(Accelerator, HoldingStopsOneTickAfterReachingEitherEnd)
{
    // Reaching the last record does not raise the at-end flag; the next tick does, and stops.
    table->setRecordNumber(rows - 1);
    navigator->press(NavDirection::Next);
    timer.tick();
    EXPECT_EQ(table->recordNumber(), rows);
    EXPECT_FALSE(table->atEnd());
    EXPECT_TRUE(timer.isActive());
    timer.tick();
    EXPECT_TRUE(table->atEnd());
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(navigator->tickCount(), 0);
    EXPECT_EQ(navigator->direction(), NavDirection::None);
    EXPECT_EQ(table->recordNumber(), rows);

    table->setRecordNumber(3);
    navigator->press(NavDirection::Prior);
    timer.tick();
    timer.tick();
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_TRUE(timer.isActive());
    timer.tick();
    EXPECT_TRUE(table->atBeginning());
    EXPECT_FALSE(timer.isActive());
}

TEST_F(Accelerator, PageMovesAnnounceOnceAndStopAtTheEnds)
{
    notifications = 0;
    moveRecordsBy(*table, 30);
    EXPECT_EQ(table->recordNumber(), 31);
    EXPECT_EQ(notifications, 1);
    moveRecordsBy(*table, 500);
    EXPECT_EQ(table->recordNumber(), rows);
    EXPECT_TRUE(table->atEnd());
    moveRecordsBy(*table, -40);
    EXPECT_EQ(table->recordNumber(), rows - 40);
    moveRecordsBy(*table, -500);
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_TRUE(table->atBeginning());
}

} // namespace
} // namespace lumolex
