// What the window system cannot carry out is not offered: under Wayland the
// transparency items and "on top" stay disabled, with a hint saying why,
// whatever enables the window's controls later.

#include "app/window/appearancecommands.h"
#include "app/window/commandstate.h"
#include "app/window/mainmenu.h"
#include "app/store/settings.h"
#include "platform/windowsystem.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

TEST(WindowSystemAbilities, ByPlatformPlugin)
{
    const struct {
        const char *platform;
        bool canDo;   // opacity, on top and placement alike
    } cases[] = {
        {"xcb", true}, {"windows", true}, {"offscreen", true},
        {"wayland", false}, {"wayland-egl", false}, {"wayland-generic", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.platform);
        const auto abilities = WindowSystemAbilities::forPlatform(QString::fromLatin1(c.platform));
        EXPECT_EQ(abilities.opacity, c.canDo);
        EXPECT_EQ(abilities.staysOnTop, c.canDo);
        EXPECT_EQ(abilities.placement, c.canDo);
    }
}

TEST(WindowSystemAbilities, CommandsThePlatformCannotDoStayDisabledWithTheirHint)
{
    for (const char *platform : {"xcb", "wayland"}) {
        SCOPED_TRACE(platform);
        const auto abilities = WindowSystemAbilities::forPlatform(QString::fromLatin1(platform));
        QWidget window;
        Settings settings;
        QMenu view(&window);
        QMenu *transparency = view.addMenu(QStringLiteral("Прозрачность главного окна (%)"));
        auto *group = new QActionGroup(transparency);
        QList<QAction *> items;
        for (int percent : {0, 50}) {
            QAction *item = transparency->addAction(QString::number(percent));
            item->setCheckable(true);
            setTag(item, percent);
            group->addAction(item);
            items << item;
        }
        QAction *onTop = view.addAction(QStringLiteral("Разместить поверх других окон"));
        onTop->setCheckable(true);
        auto *button = new QToolButton(&window);
        button->setCheckable(true);
        button->setToolTip(QStringLiteral("Разместить поверх других окон"));
        for (QObject *control : QList<QObject *>{items[0], items[1], onTop, button})
            markCommandPending(control);

        AppearanceControls controls;
        controls.window = &window;
        controls.settings = &settings;
        controls.transparencyItems = items;
        controls.transparencyGroup = group;
        controls.SpeedButtonFormTop = button;
        controls.MainMenuAlwaysTop = onTop;
        controls.transparencyMenu = transparency->menuAction();
        controls.system = abilities;
        AppearanceCommands commands(controls);
        setAllControlsEnabled(&window, true);   // the start-up enables every control

        const bool offered = abilities.opacity;
        EXPECT_EQ(items[1]->isEnabled(), offered);
        EXPECT_EQ(transparency->menuAction()->isEnabled(), offered);
        EXPECT_EQ(onTop->isEnabled(), offered);
        EXPECT_EQ(button->isEnabled(), offered);
        EXPECT_EQ(button->toolTip() == staysOnTopUnavailableHint(), !offered);
        EXPECT_EQ(onTop->toolTip() == staysOnTopUnavailableHint(), !offered);
        EXPECT_EQ(items[1]->toolTip() == opacityUnavailableHint(), !offered);
        EXPECT_EQ(view.toolTipsVisible(), !offered);
        EXPECT_EQ(transparency->toolTipsVisible(), !offered);

        // Ctrl+U and a click reach the handlers only where they are offered.
        onTop->trigger();
        EXPECT_EQ(button->isChecked(), offered);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), offered);
        items[1]->trigger();
        EXPECT_EQ(settings.Transparency, offered ? 50 : 0);
    }
}

} // namespace
} // namespace lumolex
