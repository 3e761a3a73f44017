#include "app/window/appearancecommands.h"

#include "app/window/commandstate.h"
#include "app/window/mainmenu.h"
#include "app/store/settings.h"
#include "ui/windowappearance.h"

#include <QAction>
#include <QActionGroup>
#include <QToolButton>
#include <QWidget>

namespace lumolex {

AppearanceCommands::AppearanceCommands(AppearanceControls controls, QObject *parent)
    : QObject(parent)
    , m_controls(std::move(controls))
{
    for (QAction *item : m_controls.transparencyItems) {
        connect(item, &QAction::triggered, this, [this, item] { MainMenuTransparencyProc(item); });
        setCommandReady(item);
    }
    if (m_controls.SpeedButtonFormTop) {
        connect(m_controls.SpeedButtonFormTop, &QToolButton::clicked, this, &AppearanceCommands::SpeedButtonFormTopClick);
        setCommandReady(m_controls.SpeedButtonFormTop);
    }
    if (m_controls.MainMenuAlwaysTop) {
        connect(m_controls.MainMenuAlwaysTop, &QAction::triggered, this, &AppearanceCommands::MainMenuAlwaysTopClick);
        setCommandReady(m_controls.MainMenuAlwaysTop);
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
