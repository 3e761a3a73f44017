#pragma once

// The tray icon TrayIcon1 and tray mode: with IconTray on, minimising hides
// the main window (and its cards) and shows an animated icon in the
// notification area; a double click or "Лумолекс" in its menu PMenuTray
// brings the window back. Where the desktop has no tray, minimising stays
// as usual.
//
// The icon itself sits behind TrayPort so that the logic can be tested
// where no tray exists.

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace lumolex {

class TrayPort
{
public:
    virtual ~TrayPort() = default;
    virtual bool isAvailable() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual void setContextMenu(QMenu *menu) = 0;
    // Set by the tray mode: a double click on the icon.
    std::function<void()> onDoubleClick;
};

// The real icon in the notification area (QSystemTrayIcon).
std::unique_ptr<TrayPort> createSystemTray(QObject *owner);

// The 17 frames of the icon's animation (ImageListAniIcon), 16 x 16 pixels,
// drawn by the program: a lamp-lit book under a turning northern star.
QList<QIcon> trayAnimationFrames();

class TrayMode : public QObject
{
    Q_OBJECT
public:
    TrayMode(QWidget *window, std::unique_ptr<TrayPort> tray, QObject *parent = nullptr);
    ~TrayMode() override;

    static constexpr int AnimationInterval = 200;

    QMenu *PMenuTray;
    QAction *PMenuTrayRestore;
    QAction *PMenuTrayAbout;
    QAction *N4;
    QAction *PMenuTrayExit;
    QList<QIcon> ImageListAniIcon;

    // Shows the About box modally; set by the window.
    std::function<void()> showAboutModal;
    // Ends the program after "Выход" closed the hidden window: a window
    // closed while hidden does not end the program by itself.
    std::function<void()> endProgram;

    // The window was minimised: enters tray mode when iconTray is on and a
    // tray exists; true when it did.
    bool ApplicationEvents1Minimize(bool iconTray);
    void TrayIcon1DblClick();
    void PMenuTrayRestoreClick();
    void PMenuTrayAboutClick();
    void PMenuTrayExitClick();

    bool inTrayMode() const { return m_inTray; }
    bool animating() const;
    int frame() const { return m_frame; }
    TrayPort *tray() const { return m_tray.get(); }
    void setToolTip(const QString &text);
    // One animation step, as the timer makes it.
    void nextFrame();

private:
    void leaveTrayMode();
    void startAnimation();

    QPointer<QWidget> m_window;
    std::unique_ptr<TrayPort> m_tray;
    QTimer *m_animation;
    int m_frame = 0;
    bool m_inTray = false;
    QList<QPointer<QWidget>> m_hiddenWindows;   // cards and boxes hidden with the window
};

} // namespace lumolex
