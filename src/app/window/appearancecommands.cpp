#include "app/window/appearancecommands.h"

#include "app/window/commandstate.h"
#include "app/window/mainmenu.h"
#include "app/store/settings.h"
#include "ui/windowappearance.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace lumolex {

AppearanceCommands::AppearanceCommands(AppearanceControls controls, QObject *parent)
    : QObject(parent)
    , m_controls(std::move(controls))
{
    const WindowSystemAbilities &system = m_controls.system;
    for (QAction *item : m_controls.transparencyItems) {
        connect(item, &QAction::triggered, this, [this, item] { MainMenuTransparencyProc(item); });
        offer(item, system.opacity, opacityUnavailableHint());
    }
    if (m_controls.transparencyMenu && !system.opacity)
        offer(m_controls.transparencyMenu, false, opacityUnavailableHint());
    if (m_controls.SpeedButtonFormTop) {
        connect(m_controls.SpeedButtonFormTop, &QToolButton::clicked, this, &AppearanceCommands::SpeedButtonFormTopClick);
        offer(m_controls.SpeedButtonFormTop, system.staysOnTop, staysOnTopUnavailableHint());
    }
    if (m_controls.MainMenuAlwaysTop) {
        connect(m_controls.MainMenuAlwaysTop, &QAction::triggered, this, &AppearanceCommands::MainMenuAlwaysTopClick);
        offer(m_controls.MainMenuAlwaysTop, system.staysOnTop, staysOnTopUnavailableHint());
    }
}

void AppearanceCommands::offer(QObject *control, bool possible, const QString &hint)
{
    setCommandReady(control);
    if (possible)
        return;
    markAlwaysDisabled(control);
    if (auto *action = qobject_cast<QAction *>(control)) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
        // Menus show the hints of their items only when asked to.
        for (QObject *shownIn : action->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(shownIn))
                menu->setToolTipsVisible(true);
        }
    } else if (auto *widget = qobject_cast<QWidget *>(control)) {
        widget->setToolTip(hint);
    }
}

void AppearanceCommands::SetTransparency()
{
    const int percent = m_controls.settings->Transparency;
    applyTransparency(m_controls.window, percent);
    m_controls.window->update();
    checkTransparencyItem(percent);
    if (!m_controls.settings->TranspCard || !m_openCards)
        return;
    // A percentage of 0 makes the cards opaque again.
    applyTransparency(m_openCards(), percent);
}

void AppearanceCommands::checkTransparencyItem(int percent)
{
    QAction *match = nullptr;
    for (QAction *item : m_controls.transparencyItems) {
        if (tagOf(item) == percent)
            match = item;
    }
    if (match) {
        match->setChecked(true);
        return;
    }
    // A value no item stands for (a hand-edited store): no item is checked,
    // which an exclusive group allows only while it is not exclusive.
    QActionGroup *group = m_controls.transparencyGroup;
    const auto policy = group ? group->exclusionPolicy() : QActionGroup::ExclusionPolicy::None;
    if (group)
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction *item : m_controls.transparencyItems)
        item->setChecked(false);
    if (group)
        group->setExclusionPolicy(policy);
}

void AppearanceCommands::MainMenuTransparencyProc(QAction *item)
{
    bool ok = false;
    const int percent = item->text().toInt(&ok);
    if (!ok || percent == m_controls.settings->Transparency) {
        // The current item stays the checked one.
        checkTransparencyItem(m_controls.settings->Transparency);
        return;
    }
    m_controls.settings->Transparency = tagOf(item);
    SetTransparency();
}

void AppearanceCommands::SpeedButtonFormTopClick()
{
    const bool down = m_controls.SpeedButtonFormTop->isChecked();
    if (m_controls.MainMenuAlwaysTop)
        m_controls.MainMenuAlwaysTop->setChecked(down);
    setStaysOnTop(m_controls.window, down);
}

void AppearanceCommands::MainMenuAlwaysTopClick()
{
    m_controls.SpeedButtonFormTop->setChecked(!m_controls.SpeedButtonFormTop->isChecked());
    SpeedButtonFormTopClick();
}

} // namespace lumolex
