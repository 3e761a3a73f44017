// Transparency of the main window and the cards, the transparency menu, and
// keeping the window on top.

#include "appfixture.h"

#include "app/window/appearancecommands.h"
#include "app/window/mainmenu.h"
#include "app/store/settings.h"
#include "app/window/toolbarpanel.h"
#include "ui/windowappearance.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

int alphaOf(const QWidget &window)
{
    return int(std::lround(window.windowOpacity() * 255));
}

QList<int> checkedTags(const MainMenu &menu)
{
    QList<int> tags;
    for (QAction *item : menu.TransparencyItems) {
        if (item->isChecked())
            tags << tagOf(item);
    }
    return tags;
}

TEST(WindowTransparency, AlphaForEveryMenuPercentageAndBeyond)
{
    const struct {
        int percent;
        int alpha;
    } cases[] = {
        {0, 255}, {10, 229}, {20, 204}, {30, 178}, {40, 153}, {50, 127}, {60, 102}, {70, 76}, {80, 51}, {90, 25},
        {1, 252}, {99, 2}, {100, 0}, {101, 0}, {-1, 255},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(transparencyAlpha(c.percent), c.alpha);
        QWidget window;
        applyTransparency(&window, c.percent);
        EXPECT_EQ(alphaOf(window), c.alpha);
    }
}

TEST(WindowTransparency, MenuItemsSetTheWindowTheCheckMarkAndTheCards)
{
    AppFixture app;
    app.writeSetting(QStringLiteral("Transparency"), QStringLiteral("20"));
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    // Applied at start-up.
    EXPECT_EQ(alphaOf(*w), 204);
    EXPECT_EQ(checkedTags(*w->menu), QList<int>{20});

    QWidget card1, card2;
    applyTransparency(&card2, 80);
    w->appearance->setOpenCards([&] { return QList<QWidget *>{&card1, &card2}; });
    const bool dictChecked = w->menu->MainMenuDict1->isChecked();

    const struct {
        int item;        // index in the submenu
        bool transpCard;
        int windowAlpha;
        int cardAlpha;   // both cards after the click
    } steps[] = {
        {5, true, 127, 127},    // "50"
        {3, true, 178, 178},    // "30"
        {3, true, 178, 178},    // "30" again: nothing changes
        {0, true, 255, 255},    // "0": opaque again, cards too
        {9, false, 25, 255},    // "90" with TranspCard off: the cards keep theirs
        {1, true, 229, 229},    // "10"
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.item);
        w->settings.TranspCard = step.transpCard;
        w->menu->TransparencyItems[step.item]->trigger();
        EXPECT_EQ(w->settings.Transparency, step.item * 10);
        EXPECT_EQ(alphaOf(*w), step.windowAlpha);
        EXPECT_EQ(alphaOf(card1), step.cardAlpha);
        EXPECT_EQ(alphaOf(card2), step.cardAlpha);
        EXPECT_EQ(checkedTags(*w->menu), QList<int>{step.item * 10});
        EXPECT_EQ(w->menu->MainMenuDict1->isChecked(), dictChecked);
    }

    // A stored value no item stands for checks none; each later click
    // checks its item alone.
    w->settings.Transparency = 35;
    w->appearance->SetTransparency();
    EXPECT_EQ(alphaOf(*w), 165);
    EXPECT_TRUE(checkedTags(*w->menu).isEmpty());
    for (const int item : {2, 4, 7}) {
        w->menu->TransparencyItems[item]->trigger();
        EXPECT_EQ(checkedTags(*w->menu), QList<int>{item * 10});
    }
}

TEST(WindowTransparency, TransparencyStoredOutsideTheMenuChecksNoItem)
{
    const struct {
        const char *stored;
        int alpha;
        QList<int> checked;
    } cases[] = {{"0", 255, {0}}, {"90", 25, {90}}, {"55", 114, {}}, {"300", 25, {90}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        AppFixture app;
        app.writeSetting(QStringLiteral("Transparency"), QString::fromLatin1(c.stored));
        TFormLumoLex *w = app.start();
        EXPECT_EQ(alphaOf(*w), c.alpha);
        EXPECT_EQ(checkedTags(*w->menu), c.checked);
    }
}

TEST(AlwaysOnTop, ButtonAndCtrlUKeepTheWindowPlaceAndTheCheckMarkInStep)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    w->activateWindow();
    QApplication::processEvents();
    const QRect place = w->geometry();
    QToolButton *button = w->PanelTop->SpeedButtonFormTop;
    ASSERT_TRUE(button->isEnabled());
    ASSERT_TRUE(w->menu->MainMenuAlwaysTop->isEnabled());

    const struct {
        const char *how;
        bool onTop;
    } steps[] = {
        {"ctrl+u", true}, {"ctrl+u", false}, {"button", true}, {"ctrl+u", false}, {"button", true}, {"button", false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.how);
        if (QByteArray(step.how) == "button")
            button->click();
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_U, Qt::ControlModifier);
        EXPECT_EQ(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), step.onTop);
        ASSERT_TRUE(w->windowHandle());
        EXPECT_EQ(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), step.onTop);
        EXPECT_EQ(button->isChecked(), step.onTop);
        EXPECT_EQ(w->menu->MainMenuAlwaysTop->isChecked(), step.onTop);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->geometry(), place);
    }
}

} // namespace
} // namespace lumolex
