// The row and hint rules of the search result list as values.

#include "search/resultrows.h"

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

TEST(ResultRows, RowHeightEvenColourAndHintNeed)
{
    EXPECT_EQ(resultRowHeight(16), 24);
    EXPECT_EQ(resultRowHeight(-16), 24);   // a font height given negative, as in points
    EXPECT_EQ(resultRowHeight(0), 8);

    struct Tint {
        int row;
        bool selected, evenLines, tinted;
    };
    const Tint tints[] = {
        {0, false, true, false}, {1, false, true, true},  {2, false, true, false}, {3, false, true, true},
        {1, true, true, false},  {1, false, false, false}, {0, true, true, false},
    };
    for (const Tint &t : tints) {
        SCOPED_TRACE(t.row);
        EXPECT_EQ(resultRowTinted(t.row, t.selected, t.evenLines), t.tinted);
    }

    // A headword fits while it is no wider than the client width less the icon.
    EXPECT_FALSE(resultHintNeeded(84, 100));
    EXPECT_TRUE(resultHintNeeded(85, 100));
    EXPECT_FALSE(resultHintNeeded(0, 16));
    EXPECT_TRUE(resultHintNeeded(1, 16));
}

TEST(ResultRows, HintIsPreparedAgainOnlyWhenRowOrXChanges)
{
    struct Step {
        int row;     // -1: the mouse leaves the list
        int x;
        bool prepare;
    };
    const Step steps[] = {
        {0, 10, true},
        {0, 10, false},   // the same place
        {0, 11, true},    // sideways in the row: the hint moves along
        {1, 11, true},    // the next row
        {1, 11, false},
        {-1, 0, false},   // leaving keeps X, forgets the row
        {1, 11, true},
    };
    ResultHintTracker tracker;
    for (const Step &s : steps) {
        SCOPED_TRACE(std::to_string(s.row) + "," + std::to_string(s.x));
        if (s.row < 0) {
            tracker.leave();
            EXPECT_EQ(tracker.row(), -1);
            EXPECT_EQ(tracker.x(), 11);
            continue;
        }
        EXPECT_EQ(tracker.moveTo(s.row, s.x), s.prepare);
    }
}

} // namespace
