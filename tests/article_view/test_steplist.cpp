// The step list on its own: slots, the current step, moving back and forward,
// a full list, and what is not recorded.
#include "article/steplist.h"

#include <QList>

#include <gtest/gtest.h>

using lumolex::StepList;

namespace {

QList<qint32> filledSlots(const StepList &steps)
{
    QList<qint32> ids;
    for (int n = 1; n <= StepList::kSlots && steps.slot(n) != 0; ++n)
        ids << steps.slot(n);
    return ids;
}

} // namespace

TEST(StepList, FreshListHasNoStepAndNoMove)
{
    StepList steps;
    EXPECT_EQ(steps.currentStep(), 0);
    EXPECT_EQ(steps.currentId(), 0);
    EXPECT_FALSE(steps.canStepBack());
    EXPECT_FALSE(steps.canStepForward());
    EXPECT_EQ(steps.stepBack(), 0);
    EXPECT_EQ(steps.stepForward(), 0);
    EXPECT_EQ(steps.currentStep(), 0);
    EXPECT_TRUE(steps.isRecording());
}

TEST(StepList, FirstArticleIsStepOneAndSecondEnablesBack)
{
    StepList steps;
    EXPECT_TRUE(steps.addStep(10));
    EXPECT_EQ(steps.currentStep(), 1);
    EXPECT_FALSE(steps.canStepBack());
    EXPECT_TRUE(steps.addStep(20));
    EXPECT_EQ(steps.currentStep(), 2);
    EXPECT_TRUE(steps.canStepBack());
    EXPECT_FALSE(steps.canStepForward());
}

TEST(StepList, SameArticleAgainAndNonArticlesRecordNothing)
{
    StepList steps;
    steps.addStep(10);
    EXPECT_FALSE(steps.addStep(10));
    EXPECT_FALSE(steps.addStep(0));
    EXPECT_FALSE(steps.addStep(-3));
    EXPECT_EQ(steps.currentStep(), 1);
    EXPECT_EQ(filledSlots(steps), (QList<qint32>{10}));
}

TEST(StepList, FullListDropsTheOldestAndStaysAtTheEnd)
{
    StepList steps;
    for (qint32 id = 1; id <= StepList::kSlots; ++id)
        steps.addStep(id);
    EXPECT_EQ(steps.currentStep(), StepList::kSlots);
    EXPECT_EQ(steps.slot(1), 1);
    EXPECT_FALSE(steps.canStepForward());

    steps.addStep(1001);
    steps.addStep(1002);
    EXPECT_EQ(steps.currentStep(), StepList::kSlots);
    EXPECT_EQ(steps.slot(1), 3);
    EXPECT_EQ(steps.slot(StepList::kSlots - 2), StepList::kSlots);
    EXPECT_EQ(steps.slot(StepList::kSlots - 1), 1001);
    EXPECT_EQ(steps.slot(StepList::kSlots), 1002);
    EXPECT_FALSE(steps.canStepForward());
    EXPECT_EQ(steps.stepForward(), 0);
    EXPECT_TRUE(steps.canStepBack());
}

TEST(StepList, StepBackFromAFullListThenNewStepOverwritesOnlyTheNextSlot)
{
    StepList steps;
    for (qint32 id = 1; id <= StepList::kSlots; ++id)
        steps.addStep(id);
    steps.stepBack();
    steps.stepBack();
    EXPECT_TRUE(steps.canStepForward());
    steps.addStep(7777);
    EXPECT_EQ(steps.currentStep(), StepList::kSlots - 1);
    EXPECT_EQ(steps.slot(StepList::kSlots - 1), 7777);
    EXPECT_EQ(steps.slot(StepList::kSlots), StepList::kSlots);
}

TEST(StepList, SlotsOutsideTheListReadAsEmpty)
{
    StepList steps;
    steps.addStep(5);
    EXPECT_EQ(steps.slot(0), 0);
    EXPECT_EQ(steps.slot(-1), 0);
    EXPECT_EQ(steps.slot(StepList::kSlots + 1), 0);
}
