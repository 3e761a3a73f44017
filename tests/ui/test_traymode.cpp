// Tray mode against a fake tray icon: entering on a minimise, the animation,
// coming back, the About box pausing the animation, the exit, no tray.
#include "ui/traymode.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace lumolex;

namespace {

class FakeTray : public TrayPort
{
public:
    bool isAvailable() const override { return available; }
    void setVisible(bool on) override { visible = on; }
    bool isVisible() const override { return visible; }
    void setIcon(const QIcon &icon) override { icons.append(icon.cacheKey()); }
    void setToolTip(const QString &text) override { toolTip = text; }
    void setContextMenu(QMenu *m) override { menu = m; }

    bool available = true;
    bool visible = false;
    QList<qint64> icons;
    QString toolTip;
    QMenu *menu = nullptr;
};

struct TrayFixture {
    explicit TrayFixture(bool available = true)
    {
        auto fake = std::make_unique<FakeTray>();
        fake->available = available;
        tray = fake.get();
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.resize(300, 200);
        card = new QWidget(&window, Qt::Window);
        stranger.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        card->show();
        stranger.show();
        mode = std::make_unique<TrayMode>(&window, std::move(fake));
    }
    QWidget window;
    QWidget *card;
    QWidget stranger;   // a window of no one's: the tray leaves it alone
    FakeTray *tray;
    std::unique_ptr<TrayMode> mode;
};

} // namespace

TEST(TrayMode, MinimiseEntersTrayModeOnlyWithTheSettingAndATray)
{
    const struct { bool iconTray; bool available; bool entered; } cases[] = {
        {true, true, true}, {false, true, false}, {true, false, false}, {false, false, false},
    };
    for (const auto &c : cases) {
        TrayFixture f(c.available);
        f.window.showMinimized();
        EXPECT_EQ(f.mode->ApplicationEvents1Minimize(c.iconTray), c.entered);
        EXPECT_EQ(f.tray->visible, c.entered);
        EXPECT_EQ(f.mode->animating(), c.entered);
        // Without tray mode the window stays minimised with its cards.
        EXPECT_EQ(f.window.isVisible(), !c.entered);
        EXPECT_EQ(f.card->isVisible(), !c.entered);
        EXPECT_TRUE(f.stranger.isVisible());
        if (!c.entered)
            continue;
        // In the tray the icon, with its menu, runs through its 17 frames,
        // each once, then the first again; its timer drives it.
        EXPECT_EQ(f.tray->menu, f.mode->PMenuTray);
        f.tray->icons.clear();
        for (int i = 0; i < 17; ++i)
            f.mode->nextFrame();
        ASSERT_EQ(f.tray->icons.size(), 17);
        EXPECT_EQ(QSet<qint64>(f.tray->icons.begin(), f.tray->icons.end()).size(), 17);
        EXPECT_EQ(f.tray->icons.last(), f.mode->ImageListAniIcon.first().cacheKey());
        f.tray->icons.clear();
        QTest::qWait(TrayMode::AnimationInterval * 3 + 100);
        EXPECT_GE(f.tray->icons.size(), 2);
    }
}

TEST(TrayMode, DoubleClickAndRestoreBringTheWindowBack)
{
    for (const char *how : {"double click", "menu"}) {
        TrayFixture f;
        f.window.showMinimized();
        ASSERT_TRUE(f.mode->ApplicationEvents1Minimize(true));
        if (QByteArray(how) == "menu")
            f.mode->PMenuTrayRestore->trigger();
        else
            f.tray->onDoubleClick();
        EXPECT_TRUE(f.window.isVisible()) << how;
        EXPECT_FALSE(f.window.isMinimized()) << how;
        EXPECT_TRUE(f.card->isVisible()) << how;
        EXPECT_TRUE(f.stranger.isVisible()) << how;
        EXPECT_FALSE(f.tray->visible) << how;
        EXPECT_FALSE(f.mode->animating()) << how;
        EXPECT_FALSE(f.mode->inTrayMode()) << how;
    }
}

TEST(TrayMode, AboutStopsTheAnimationUntilTheBoxCloses)
{
    TrayFixture f;
    f.window.showMinimized();
    f.mode->ApplicationEvents1Minimize(true);
    bool animatingWhileShown = true;
    int shown = 0;
    f.mode->showAboutModal = [&] {
        ++shown;
        animatingWhileShown = f.mode->animating();
    };
    f.mode->PMenuTrayAbout->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(animatingWhileShown);
    EXPECT_TRUE(f.mode->animating());

    // Also when the box fails.
    f.mode->showAboutModal = [] { throw std::runtime_error("no box"); };
    EXPECT_THROW(f.mode->PMenuTrayAboutClick(), std::runtime_error);
    EXPECT_TRUE(f.mode->animating());
}

namespace {

// A window that counts its close requests and may refuse them.
class ClosingWindow : public QWidget
{
public:
    int closes = 0;
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        if (refuse)
            event->ignore();
    }
};

} // namespace

TEST(TrayMode, ExitClosesTheWindowAndEndsTheProgram)
{
    // in tray mode, window refuses -> close requests, program ended
    const struct { bool inTray; bool refuse; int ends; } cases[] = {
        {true, false, 1},   // the hidden window's close alone would not end it
        {false, false, 0},  // a visible window's close ends it by itself
        {true, true, 0},
    };
    for (const auto &c : cases) {
        auto fake = std::make_unique<FakeTray>();
        FakeTray *tray = fake.get();
        ClosingWindow window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.refuse = c.refuse;
        window.show();
        TrayMode mode(&window, std::move(fake));
        int ends = 0;
        mode.endProgram = [&] { ++ends; };
        if (c.inTray) {
            window.showMinimized();
            ASSERT_TRUE(mode.ApplicationEvents1Minimize(true));
        }
        mode.PMenuTrayExit->trigger();
        EXPECT_EQ(window.closes, 1);
        EXPECT_EQ(ends, c.ends);
        EXPECT_EQ(tray->visible, c.inTray && c.refuse);
    }
}
