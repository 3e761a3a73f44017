// Windows the program opens lie wholly on the screen of the main window:
// the fitting of a rectangle into a screen area, and the help window placed
// over its owner on the owner's screen.

#include "ui/helpwindow.h"
#include "ui/screenfit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace lumolex;

TEST(ScreenFit, AWindowIsMovedIntoTheAreaAndCutToItWhenLarger)
{
    // An area below a 30-pixel top panel on a 1024 x 768 screen.
    const QRect area(0, 30, 1024, 738);
    const struct {
        const char *what;
        QRect frame;
        QRect fitted;
    } cases[] = {
        {"inside stays", {100, 100, 350, 230}, {100, 100, 350, 230}},
        {"touching the far corner stays", {674, 538, 350, 230}, {674, 538, 350, 230}},
        {"one past the right edge", {675, 100, 350, 230}, {674, 100, 350, 230}},
        {"one past the bottom edge", {100, 539, 350, 230}, {100, 538, 350, 230}},
        {"over the top panel", {0, 0, 350, 230}, {0, 30, 350, 230}},
        {"left of the screen", {-40, 200, 350, 230}, {0, 200, 350, 230}},
        {"the help window low on the screen", {2, 479, 720, 560}, {2, 208, 720, 560}},
        {"taller than the area", {10, 0, 300, 1000}, {10, 30, 300, 738}},
        {"larger than the area both ways", {-5, -5, 2000, 2000}, {0, 30, 1024, 738}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fitInto(c.frame, area), c.fitted) << c.what;

    // A second screen to the right of the first.
    const QRect right(1024, 0, 1280, 1024);
    EXPECT_EQ(fitInto(QRect(2200, 900, 200, 200), right), QRect(2104, 824, 200, 200));
}

TEST(ScreenFit, HelpWindowOpensOverItsOwnerWhollyOnTheOwnersScreen)
{
    QTemporaryDir dir;
    const QString manual = dir.filePath(QStringLiteral("LumoLex.html"));
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Справка</p></body></html>");
    file.close();

    QWidget probe;
    const QRect area = availableAreaOf(&probe);
    ASSERT_TRUE(area.isValid());
    const struct {
        const char *what;
        QPoint ownerAt;   // relative to the area's top-left
    } cases[] = {
        {"owner in the middle", {area.width() / 2 - 150, area.height() / 2 - 100}},
        {"owner at the top-left corner", {0, 0}},
        {"owner at the bottom-right corner", {area.width() - 300, area.height() - 200}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QWidget owner;
        owner.resize(300, 200);
        owner.move(area.topLeft() + c.ownerAt);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        HelpWindow help(&owner);
        ASSERT_TRUE(help.open(manual));
        const QRect frame = help.viewer()->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                          << frame.height();
        // As near the owner's centre as the screen allows.
        const QRect centred(owner.frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2),
                            frame.size());
        EXPECT_EQ(frame.topLeft(), fitInto(centred, area).topLeft());
        delete help.viewer();
    }
}
