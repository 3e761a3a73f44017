#pragma once

// The window appearance commands of the main window: its transparency (the
// menu "Прозрачность главного окна (%)", start-up and the settings dialog)
// and keeping it above other windows (SpeedButtonFormTop and
// MainMenuAlwaysTop, Ctrl+U). Where the window system cannot carry a
// command out (Wayland), its controls stay disabled with a hint saying why.

#include "platform/windowsystem.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QActionGroup;
class QToolButton;
class QWidget;

namespace lumolex {

struct Settings;

struct AppearanceControls
{
    QWidget *window = nullptr;                 // the main window
    Settings *settings = nullptr;              // Transparency, TranspCard
    QList<QAction *> transparencyItems;        // tag = percentage
    QActionGroup *transparencyGroup = nullptr;
    QToolButton *SpeedButtonFormTop = nullptr;
    QAction *MainMenuAlwaysTop = nullptr;
    QAction *transparencyMenu = nullptr;       // the submenu holding the items
    WindowSystemAbilities system = WindowSystemAbilities::current();
};

class AppearanceCommands : public QObject
{
    Q_OBJECT
public:
    explicit AppearanceCommands(AppearanceControls controls, QObject *parent = nullptr);

    // The open card windows, which take the main window's transparency when
    // TranspCard is on. Without a source there are none.
    using OpenWindows = std::function<QList<QWidget *>()>;
    void setOpenCards(OpenWindows cards) { m_openCards = std::move(cards); }

    // Transparency on the main window, the check mark on the matching menu
    // item (none when no item matches), and, with TranspCard on, the cards.
    void SetTransparency();
    void MainMenuTransparencyProc(QAction *item);

    void SpeedButtonFormTopClick();
    void MainMenuAlwaysTopClick();

private:
    void checkTransparencyItem(int percent);
    // Connects the control, or leaves it disabled for the run with `hint`.
    void offer(QObject *control, bool possible, const QString &hint);

    AppearanceControls m_controls;
    OpenWindows m_openCards;
};

} // namespace lumolex
