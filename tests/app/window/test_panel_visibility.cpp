// Showing and hiding the four optional parts of the main window: check
// marks, the two "all" items, the speech-example timer, start-up and
// shutdown.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/window/mainmenu.h"
#include "app/window/panelvisibility.h"
#include "app/shell/statuspanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "article/view/phrasetimer.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

constexpr PanelVisibility::Part kParts[] = {PanelVisibility::ToolBar, PanelVisibility::Status,
                                            PanelVisibility::Caption, PanelVisibility::Phrase};

QList<QAction *> partItems(const MainMenu &menu)
{
    return {menu.MainMenuPanelToolBar, menu.MainMenuPanelStatus, menu.MainMenuPanelCaption, menu.MainMenuPanelPhrase};
}

QList<QWidget *> captionControls(const TFormLumoLex &w)
{
    return {w.PanelWord->ToolBarWord, w.PanelWord->LabelCaptionWord, w.PanelTransl->ToolBarTransl,
            w.PanelTransl->LabelCaptionTransl, w.PanelFind->ToolBarFind, w.PanelFind->LabelCaptionFind};
}

TEST(PanelVisibility, MenuStateAndTimerForEveryCombinationOfVisibleParts)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    const QList<QAction *> items = partItems(*w->menu);
    for (int mask = 0; mask < 16; ++mask) {
        SCOPED_TRACE(mask);
        // Reach the combination through the menu items themselves.
        w->menu->MainMenuVisiblePanel->setEnabled(true);
        w->menu->MainMenuVisiblePanel->trigger();
        for (int part = 0; part < 4; ++part) {
            if (!(mask & (1 << part)))
                items[part]->trigger();
        }
        for (int part = 0; part < 4; ++part) {
            const bool shown = mask & (1 << part);
            EXPECT_EQ(w->panels->isShown(kParts[part]), shown) << part;
            EXPECT_EQ(items[part]->isChecked(), shown) << part;
        }
        for (QWidget *control : captionControls(*w))
            EXPECT_EQ(!control->isHidden(), bool(mask & 4)) << qPrintable(control->objectName());
        EXPECT_EQ(w->menu->MainMenuVisiblePanel->isEnabled(), mask != 15);
        EXPECT_EQ(w->menu->MainMenuNotVisiblePanel->isEnabled(), mask != 0);
        EXPECT_EQ(w->PanelPhrase->TimerPhrase->isActive(), bool(mask & 8));
    }

    // Hide all, then show only the speech examples again.
    w->menu->MainMenuNotVisiblePanel->trigger();
    for (int part = 0; part < 4; ++part)
        EXPECT_FALSE(items[part]->isChecked());
    EXPECT_FALSE(w->menu->MainMenuNotVisiblePanel->isEnabled());
    EXPECT_TRUE(w->menu->MainMenuVisiblePanel->isEnabled());
    EXPECT_FALSE(w->PanelPhrase->TimerPhrase->isActive());
    w->menu->MainMenuPanelPhrase->trigger();
    EXPECT_TRUE(w->PanelPhrase->TimerPhrase->isActive());
    EXPECT_TRUE(w->menu->MainMenuVisiblePanel->isEnabled());
    EXPECT_TRUE(w->menu->MainMenuNotVisiblePanel->isEnabled());
    // A new speech example while shown keeps the timer running.
    w->PanelPhrase->UpdateEditorPhrase();
    EXPECT_TRUE(w->PanelPhrase->TimerPhrase->isActive());
}

TEST(PanelVisibility, StartUpAppliesTheStoredVisibilityAndShutdownStoresIt)
{
    const struct {
        const char *stored;   // PanelToolBar, PanelStatus, PanelCaption, PanelPhrase
        const char *after;    // after toggling the parts marked 1 in `toggle`
        const char *toggle;
    } cases[] = {
        {"1111", "0110", "1001"},
        {"0000", "1100", "1100"},
        {"1010", "1011", "0001"},
        {"1110", "1110", "0000"},
    };
    const char *names[] = {"PanelToolBar", "PanelStatus", "PanelCaption", "PanelPhrase"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        AppFixture app;
        for (int part = 0; part < 4; ++part)
            app.writeSetting(QString::fromLatin1(names[part]), QString(QLatin1Char(c.stored[part])));
        TFormLumoLex *w = app.start();
        ASSERT_TRUE(w->started());
        const QList<QAction *> items = partItems(*w->menu);
        bool allShown = true, noneShown = true;
        for (int part = 0; part < 4; ++part) {
            const bool shown = c.stored[part] == '1';
            EXPECT_EQ(w->panels->isShown(kParts[part]), shown) << part;
            EXPECT_EQ(items[part]->isChecked(), shown) << part;
            allShown = allShown && shown;
            noneShown = noneShown && !shown;
        }
        EXPECT_EQ(w->PanelStatus->isVisibleTo(w), c.stored[1] == '1');
        for (QWidget *control : captionControls(*w))
            EXPECT_EQ(!control->isHidden(), c.stored[2] == '1') << qPrintable(control->objectName());
        EXPECT_EQ(w->menu->MainMenuVisiblePanel->isEnabled(), !allShown);
        EXPECT_EQ(w->menu->MainMenuNotVisiblePanel->isEnabled(), !noneShown);
        // The timer runs only while its panel is shown, also right after the
        // first speech example was drawn.
        EXPECT_EQ(w->PanelPhrase->TimerPhrase->isActive(), c.stored[3] == '1');

        for (int part = 0; part < 4; ++part) {
            if (c.toggle[part] == '1')
                items[part]->trigger();
        }
        app.close();
        for (int part = 0; part < 4; ++part)
            EXPECT_EQ(app.readSetting(QString::fromLatin1(names[part])), QString(QLatin1Char(c.after[part]))) << part;
    }
}

TEST(PanelVisibility, ControlsEnabledAllAtOnceKeepTheAllItemsRight)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    EXPECT_FALSE(w->menu->MainMenuVisiblePanel->isEnabled());   // everything shown
    w->EnabledComp(false);
    w->EnabledComp(true);
    EXPECT_FALSE(w->menu->MainMenuVisiblePanel->isEnabled());
    EXPECT_TRUE(w->menu->MainMenuNotVisiblePanel->isEnabled());
}

} // namespace
} // namespace lumolex
