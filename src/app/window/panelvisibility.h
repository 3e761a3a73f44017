#pragma once

// Showing and hiding the four optional parts of the main window (the tool
// bar, the status bar, the captions and the speech examples) from the menu
// "Вид" → "Отображение панелей", with a check mark per part, "Включить все"
// and "Выключить все", and the speech-example timer running only while its
// panel is shown.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace lumolex {

class PhraseTimer;
struct Settings;

struct PanelControls
{
    QWidget *PanelTop = nullptr;
    QWidget *PanelStatus = nullptr;
    QWidget *ToolBarWord = nullptr;            // the captions' leader
    QList<QWidget *> captionFollowers;         // the caption labels and the other two tool bars
    QWidget *PanelPhrase = nullptr;
    PhraseTimer *TimerPhrase = nullptr;
    QAction *MainMenuPanelToolBar = nullptr;
    QAction *MainMenuPanelStatus = nullptr;
    QAction *MainMenuPanelCaption = nullptr;
    QAction *MainMenuPanelPhrase = nullptr;
    QAction *MainMenuVisiblePanel = nullptr;   // "Включить все"
    QAction *MainMenuNotVisiblePanel = nullptr; // "Выключить все"
};

class PanelVisibility : public QObject
{
    Q_OBJECT
public:
    enum Part { ToolBar, Status, Caption, Phrase };

    explicit PanelVisibility(PanelControls controls, QObject *parent = nullptr);

    // Start-up: each part shown as its setting says, with its check mark.
    void applySettings(const Settings &settings);
    bool isShown(Part part) const;

    void toggle(Part part);
    void setAll(bool shown);
    void MainMenuPanelToolBarClick() { toggle(ToolBar); }
    void MainMenuPanelStatusClick() { toggle(Status); }
    void MainMenuPanelCaptionClick() { toggle(Caption); }
    void MainMenuPanelPhraseClick() { toggle(Phrase); }
    void MainMenuVisiblePanelClick() { setAll(true); }
    void MainMenuNotVisiblePanelClick() { setAll(false); }

    // Menu state: the two "all" items by the parts' visibility, and the
    // speech-example timer running exactly while its panel is shown.
    void SetMenuVisiblePanel();
    // The two "all" items only (after all controls were enabled at once).
    void updateAllItems();

private:
    QWidget *leader(Part part) const;
    QAction *item(Part part) const;
    void setShown(Part part, bool shown);

    PanelControls m_controls;
};

} // namespace lumolex
