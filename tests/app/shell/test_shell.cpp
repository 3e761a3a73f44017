// The shell around the main window: the live status fields against a fake
// keyboard, the layout menu, the splash box over the start-up, F1 and the
// help window, switching to another application.
#include "appfixture.h"

#include "app/window/cardlink.h"
#include "app/window/mainmenu.h"
#include "app/window/shelllink.h"
#include "app/window/toolbarpanel.h"
#include "app/shell/statusindicators.h"
#include "app/shell/statuspanel.h"
#include "app/lists/wordpanel.h"
#include "platform/keyboardstate.h"
#include "ui/formabout.h"
#include "ui/formsplash.h"
#include "ui/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

class FakeKeyboard : public KeyboardState
{
public:
    std::optional<bool> capsLock() override { return caps; }
    std::optional<bool> numLock() override { return num; }
    QString activeLayout() override { return layout; }
    void switchLayout(LayoutChoice choice) override { switches.append(choice); }

    std::optional<bool> caps;
    std::optional<bool> num;
    QString layout;
    QList<LayoutChoice> switches;
};

struct StatusFixture {
    StatusFixture()
    {
        auto fake = std::make_unique<FakeKeyboard>();
        keyboard = fake.get();
        panel.resize(400, 23);
        indicators = std::make_unique<StatusIndicators>(&panel, std::move(fake));
        indicators->TimerStatus->stop();   // the test ticks
    }
    StatusPanel panel;
    FakeKeyboard *keyboard;
    std::unique_ptr<StatusIndicators> indicators;
};

void writeHelpFile(const QString &folder)
{
    QFile help(folder + QStringLiteral("/LumoLex.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><head><meta charset=\"utf-8\"></head><body><h1>Лумолекс</h1></body></html>");
}

} // namespace

TEST(StatusIndicators, LockFieldsFollowTheSystemAndKeepTheirStateWhenItCannotSay)
{
    StatusFixture f;
    // caps, num as the system reports them -> the fields' enabled states.
    const struct { std::optional<bool> caps, num; bool capsShown, numShown; } ticks[] = {
        {true, false, true, false},
        {false, true, false, true},
        {std::nullopt, std::nullopt, false, true},   // unknown: as they were
        {true, std::nullopt, true, true},
        {std::nullopt, false, true, false},
    };
    for (const auto &t : ticks) {
        f.keyboard->caps = t.caps;
        f.keyboard->num = t.num;
        f.indicators->TimerStatusTimer();
        EXPECT_EQ(f.panel.StaticTextCaps->isEnabled(), t.capsShown);
        EXPECT_EQ(f.panel.StaticTextNum->isEnabled(), t.numShown);
    }
}

TEST(StatusIndicators, LayoutIndicatorShowsTheActiveLayout)
{
    StatusFixture f;
    EXPECT_EQ(f.panel.StaticTextLang->text(), QStringLiteral("RU"));
    const struct { const char *layout; const char *shown; } ticks[] = {
        {"00000409", "EN"}, {"A0000419", "RU"}, {"00000407", "??"}, {"00000419", "RU"},
        {"us", "EN"}, {"ru", "RU"}, {"", "??"},
    };
    for (const auto &t : ticks) {
        f.keyboard->layout = QString::fromLatin1(t.layout);
        f.indicators->TimerStatusTimer();
        EXPECT_EQ(f.panel.StaticTextLang->text(), QString::fromLatin1(t.shown)) << t.layout;
    }
}

TEST(StatusIndicators, TheTimerTicksEvery100Ms)
{
    StatusFixture f;
    f.indicators->TimerStatus->start();
    EXPECT_EQ(f.indicators->TimerStatus->interval(), 100);
    f.keyboard->caps = false;
    QTest::qWait(250);
    EXPECT_FALSE(f.panel.StaticTextCaps->isEnabled());
    f.keyboard->caps = true;
    QTest::qWait(250);
    EXPECT_TRUE(f.panel.StaticTextCaps->isEnabled());
}

TEST(StatusIndicators, EveryButtonOpensTheLayoutMenuAboveThePressAndItSwitches)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
        StatusFixture f;
        f.panel.move(100, 400);
        f.panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.panel));
        QLabel *indicator = f.panel.StaticTextLang;
        const QPoint press(5, 10);
        QTest::mousePress(indicator, button, {}, press);
        EXPECT_TRUE(f.indicators->PMenuLang->isVisible()) << button;
        EXPECT_EQ(f.indicators->PMenuLang->pos(), indicator->mapToGlobal(press) - QPoint(0, 55)) << button;
        QTest::mouseRelease(indicator, button, {}, press);
        f.indicators->PMenuLang->hide();
    }
    StatusFixture f;
    f.indicators->PMenuLangRU->trigger();
    f.indicators->PMenuLangEN->trigger();
    EXPECT_EQ(f.keyboard->switches, QList<LayoutChoice>({LayoutChoice::Russian, LayoutChoice::English}));
}

TEST(Shell, SplashCoversTheStartUpOnly)
{
    const struct { const char *how; bool dataPresent; } cases[] = {{"start-up", true}, {"failed start", false}};
    for (const auto &c : cases) {
        AppFixture app(sampleArticles(), c.dataPresent ? QList<int>() : QList<int>({2}));
        TFormLumoLex *w = app.create();
        QPointer<TFormSplash> splash = w->shell->splash();
        ASSERT_TRUE(splash) << c.how;
        EXPECT_TRUE(splash->isVisible()) << c.how;
        w->show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull()) << c.how;
    }
}

TEST(Shell, HelpOpensOnF1AndClosesWithTheMainWindow)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    // Released anywhere, F1 opens the help, as "Справка" does; missing, each
    // says so, once for each keystroke.
    w->activateWindow();
    QApplication::processEvents();
    QTest::keyClick(w->PanelWord->EditWord, Qt::Key_F1);
    ASSERT_EQ(app.messages().size(), 1u);
    w->menu->MainMenuHelp->trigger();
    ASSERT_EQ(app.messages().size(), 2u);
    for (const auto &shown : app.messages())
        EXPECT_TRUE(shown.text.contains(QStringLiteral("LumoLex.html")));
    writeHelpFile(app.folder());
    QCoreApplication::processEvents();
    QTest::keyRelease(w->PanelWord->EditWord, Qt::Key_F1);
    QPointer<QTextBrowser> viewer = w->shell->help()->viewer();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->window()->objectName(), QStringLiteral("HelpViewer"));
    EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Лумолекс")));
    // "Справка" shows the same window.
    w->menu->MainMenuHelp->trigger();
    EXPECT_EQ(w->shell->help()->viewer(), viewer.data());
    EXPECT_EQ(app.messages().size(), 2u);

    // Closing the main window ends the program although the help and the
    // About box are open.
    w->menu->MainMenuAbout->trigger();
    // The message loop ends when the main window closes (exit code 0), not
    // at the guard's timeout (7).
    QTimer::singleShot(0, w, [&app] { app.close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Shell, SwitchingToAnotherApplicationClosesCardsOnlyWhenSoSet)
{
    for (bool closeCards : {true, false}) {
        AppFixture app;
        TFormLumoLex *w = app.start();
        w->settings.CloseCardsAtSwith = closeCards;
        w->settings.OpenCardWin = true;
        for (int id : {1, 2}) {
            w->FindWord(id);
            w->PanelTop->SpeedButtonOpenCard->click();
        }
        ASSERT_EQ(w->cards->count(), 2);
        w->shell->ApplicationEvents1Deactivate();
        QCoreApplication::processEvents();   // the posted close requests
        EXPECT_EQ(w->cards->count(), closeCards ? 0 : 2);
    }
}

TEST(Shell, AboutFromTheMenuIsOneBoxWithoutBlocking)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    w->menu->MainMenuAbout->trigger();
    QPointer<TFormAbout> box = w->shell->about();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    w->menu->MainMenuAbout->trigger();
    EXPECT_EQ(w->shell->about(), box.data());
    QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
    w->menu->MainMenuAbout->trigger();
    EXPECT_TRUE(w->shell->about());
}
