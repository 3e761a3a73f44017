#include "app/window/panelvisibility.h"

#include "app/window/commandstate.h"
#include "app/store/settings.h"
#include "article/view/phrasetimer.h"

#include <QAction>
#include <QWidget>

namespace lumolex {

namespace {
constexpr PanelVisibility::Part kParts[] = {PanelVisibility::ToolBar, PanelVisibility::Status,
                                            PanelVisibility::Caption, PanelVisibility::Phrase};
} // namespace

PanelVisibility::PanelVisibility(PanelControls controls, QObject *parent)
    : QObject(parent)
    , m_controls(std::move(controls))
{
    for (Part part : kParts) {
        connect(item(part), &QAction::triggered, this, [this, part] { toggle(part); });
        setCommandReady(item(part));
    }
    connect(m_controls.MainMenuVisiblePanel, &QAction::triggered, this, &PanelVisibility::MainMenuVisiblePanelClick);
    connect(m_controls.MainMenuNotVisiblePanel, &QAction::triggered, this,
            &PanelVisibility::MainMenuNotVisiblePanelClick);
    setCommandReady(m_controls.MainMenuVisiblePanel);
    setCommandReady(m_controls.MainMenuNotVisiblePanel);
}

QWidget *PanelVisibility::leader(Part part) const
{
    switch (part) {
    case ToolBar: return m_controls.PanelTop;
    case Status: return m_controls.PanelStatus;
    case Caption: return m_controls.ToolBarWord;
    case Phrase: return m_controls.PanelPhrase;
    }
    return nullptr;
}

QAction *PanelVisibility::item(Part part) const
{
    switch (part) {
    case ToolBar: return m_controls.MainMenuPanelToolBar;
    case Status: return m_controls.MainMenuPanelStatus;
    case Caption: return m_controls.MainMenuPanelCaption;
    case Phrase: return m_controls.MainMenuPanelPhrase;
    }
    return nullptr;
}

bool PanelVisibility::isShown(Part part) const
{
    // Shown within the window unless hidden, whether or not the window itself
    // is on screen yet.
    const QWidget *widget = leader(part);
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->testAttribute(Qt::WA_WState_Hidden));
}

void PanelVisibility::setShown(Part part, bool shown)
{
    leader(part)->setVisible(shown);
    if (part == Caption) {
        for (QWidget *follower : m_controls.captionFollowers)
            follower->setVisible(shown);
    }
    item(part)->setChecked(shown);
}

void PanelVisibility::applySettings(const Settings &settings)
{
    setShown(ToolBar, settings.PanelToolBar);
    setShown(Status, settings.PanelStatus);
    setShown(Phrase, settings.PanelPhrase);
    setShown(Caption, settings.PanelCaption);
}

void PanelVisibility::toggle(Part part)
{
    setShown(part, !isShown(part));
    SetMenuVisiblePanel();
}

void PanelVisibility::setAll(bool shown)
{
    for (Part part : kParts)
        setShown(part, shown);
    SetMenuVisiblePanel();
}

void PanelVisibility::updateAllItems()
{
    bool anyHidden = false;
    bool anyShown = false;
    for (Part part : kParts) {
        (isShown(part) ? anyShown : anyHidden) = true;
    }
    m_controls.MainMenuVisiblePanel->setEnabled(anyHidden);
    m_controls.MainMenuNotVisiblePanel->setEnabled(anyShown);
}

void PanelVisibility::SetMenuVisiblePanel()
{
    updateAllItems();
    if (!m_controls.TimerPhrase)
        return;
    // A running timer keeps its interval; a stopped one starts a full one.
    if (isShown(Phrase)) {
        if (!m_controls.TimerPhrase->isActive())
            m_controls.TimerPhrase->start();
    } else {
        m_controls.TimerPhrase->stop();
    }
}

} // namespace lumolex
