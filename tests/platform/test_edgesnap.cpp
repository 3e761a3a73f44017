// Edge snapping of the main window: the rule on both axes at the 20-pixel
// limit, the right and bottom edges winning when both are within reach, and
// the settled-move snapping of a real window that DockWindow switches off.
#include "platform/edgesnap.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace lumolex;

TEST(SnapToWorkArea, EdgesWithinTwentyPixelsInclusive)
{
    // Work area 1000 x 700 from (0, 40) (a task bar at the top).
    const QRect area(0, 40, 1000, 700);
    const struct {
        const char *what;
        QRect proposed;
        QPoint expected;
    } cases[] = {
        {"left at 20", {20, 300, 400, 300}, {0, 300}},
        {"left at 21", {21, 300, 400, 300}, {21, 300}},
        {"left at -20", {-20, 300, 400, 300}, {0, 300}},
        {"left at -21", {-21, 300, 400, 300}, {-21, 300}},
        {"top at 20 from the area", {300, 60, 400, 300}, {300, 40}},
        {"top at 21 from the area", {300, 61, 400, 300}, {300, 61}},
        {"right at 20", {580, 300, 400, 300}, {600, 300}},
        {"right at 21", {579, 300, 400, 300}, {579, 300}},
        {"right past by 20", {620, 300, 400, 300}, {600, 300}},
        {"bottom at 20", {300, 420, 400, 300}, {300, 440}},
        {"bottom at 21", {300, 419, 400, 300}, {300, 419}},
        {"corner", {15, 455, 400, 300}, {0, 440}},
        {"middle", {300, 200, 400, 300}, {300, 200}},
        // Nearly as wide and as tall as the area: both edges within reach,
        // the right and bottom ones win.
        {"both horizontal edges", {5, 300, 990, 300}, {10, 300}},
        {"both vertical edges", {300, 45, 400, 690}, {300, 50}},
        // Left snaps first, then the right test sees the snapped x.
        {"left snap brings the right within reach", {20, 300, 985, 300}, {15, 300}},
    };
    for (const auto &c : cases) {
        const QRect snapped = snapToWorkArea(c.proposed, area);
        EXPECT_EQ(snapped.topLeft(), c.expected) << c.what;
        EXPECT_EQ(snapped.size(), c.proposed.size()) << c.what;
    }
}

TEST(SnapToWorkArea, NoWorkAreaLeavesThePositionAlone)
{
    EXPECT_EQ(snapToWorkArea(QRect(5, 5, 100, 100), QRect()), QRect(5, 5, 100, 100));
}

TEST(EdgeSnapper, SnapsOnceTheMoveHasSettledAndOnlyWhileDocking)
{
    for (const bool docking : {true, false}) {
        QWidget window;
        window.resize(300, 200);
        window.show();
        EdgeSnapper snapper(&window, [&docking] { return docking; });
        snapper.setWorkArea(QRect(0, 0, 1000, 700));
        window.move(15, 100);
        // Still moving: nothing yet.
        QCoreApplication::processEvents();
        EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(15, 100)) << docking;
        QTest::qWait(EdgeSnapper::kSettleMs + 200);
        EXPECT_EQ(window.frameGeometry().topLeft(), docking ? QPoint(0, 100) : QPoint(15, 100)) << docking;
    }
}
