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

TEST(StepList, FirstStepsAndWhatIsNotRecorded)
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

    // The first article is step 1; the same article again and non-articles record nothing.
    EXPECT_TRUE(steps.addStep(10));
    EXPECT_EQ(steps.currentStep(), 1);
    EXPECT_FALSE(steps.canStepBack());
    for (const qint32 id : {10, 0, -3})
        EXPECT_FALSE(steps.addStep(id)) << id;
    EXPECT_EQ(filledSlots(steps), (QList<qint32>{10}));
    for (const int outside : {0, -1, StepList::kSlots + 1})
        EXPECT_EQ(steps.slot(outside), 0) << outside;

    // The second distinct article enables step back.
    EXPECT_TRUE(steps.addStep(20));
    EXPECT_EQ(steps.currentStep(), 2);
    EXPECT_TRUE(steps.canStepBack());
    EXPECT_FALSE(steps.canStepForward());
}

TEST(StepList, FiveHundredVisitsFillTheListThenTheOldestGoes)
{
    StepList steps;
    for (qint32 id = 1; id <= 500; ++id)
        steps.addStep(id);
    EXPECT_EQ(steps.currentStep(), 500);
    EXPECT_EQ(steps.slot(1), 1);
    EXPECT_FALSE(steps.canStepForward());

    steps.addStep(1001);
    steps.addStep(1002);
    EXPECT_EQ(steps.currentStep(), 500);
    EXPECT_EQ(steps.slot(1), 3);
    EXPECT_EQ(steps.slot(498), 500);
    EXPECT_EQ(steps.slot(499), 1001);
    EXPECT_EQ(steps.slot(500), 1002);
    EXPECT_FALSE(steps.canStepForward());
    EXPECT_EQ(steps.stepForward(), 0);
    EXPECT_TRUE(steps.canStepBack());

    // Two steps back, then a new article overwrites only the next slot.
    steps.stepBack();
    steps.stepBack();
    EXPECT_TRUE(steps.canStepForward());
    steps.addStep(7777);
    EXPECT_EQ(steps.currentStep(), 499);
    EXPECT_EQ(steps.slot(499), 7777);
    EXPECT_EQ(steps.slot(500), 1002);
}
