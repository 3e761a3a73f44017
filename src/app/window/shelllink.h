#pragma once

// The program's presence around its main window: the live status fields
// and the layout menu, the tray icon and tray mode, the application's
// activation, deactivation and F1, the About and splash boxes, the
// multi-line hints MHint1 and the help window.

#include <QObject>
#include <QPointer>

#include <memory>

namespace lumolex {

class HelpWindow;
class KeyboardState;
class StatusIndicators;
class TFormAbout;
class TFormLumoLex;
class TFormSplash;
class TMHint;
class TrayMode;
class TrayPort;

class ShellLink : public QObject
{
    Q_OBJECT
public:
    // Null ports: the system's keyboard and tray.
    ShellLink(TFormLumoLex *window, std::unique_ptr<KeyboardState> keyboard, std::unique_ptr<TrayPort> tray);
    ~ShellLink() override;

    StatusIndicators *status = nullptr;
    TrayMode *trayMode = nullptr;
    TMHint *MHint1 = nullptr;

    // The splash box, from the start of creation to the end of start-up.
    void showSplash();
    void closeSplash();
    TFormSplash *splash() const;

    // "О программе" of the main menu: shows the box, or the open one,
    // without blocking the window.
    void MainMenuAboutClick();
    TFormAbout *about() const;
    // Help: the manual beside the program in the help window, or a message
    // saying it is missing.
    void openHelp();
    HelpWindow *help() const { return m_help.get(); }

    void ApplicationEvents1Activate();
    void ApplicationEvents1Deactivate();

signals:
    // The user switched to another application with CloseCardsAtSwith on:
    // every card closes without a question.
    void closeCardsOnSwitch();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showAboutModal();
    TFormAbout *newAbout();

    TFormLumoLex *m_window;
    std::unique_ptr<HelpWindow> m_help;
    QPointer<TFormAbout> m_about;
    QPointer<TFormSplash> m_splash;
    const QEvent *m_lastF1 = nullptr;   // a key release seen while it travels to the parents
};

} // namespace lumolex
