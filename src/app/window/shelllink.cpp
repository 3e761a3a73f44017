#include "app/window/shelllink.h"

#include "app/shell/appmessages.h"
#include "app/window/formlumolex.h"
#include "app/shell/statusindicators.h"
#include "platform/keyboardstate.h"
#include "ui/formabout.h"
#include "ui/formsplash.h"
#include "ui/helpwindow.h"
#include "ui/tmhint.h"
#include "ui/traymode.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QWindowStateChangeEvent>

namespace lumolex {

ShellLink::ShellLink(TFormLumoLex *window, std::unique_ptr<KeyboardState> keyboard, std::unique_ptr<TrayPort> tray)
    : QObject(window)
    , m_window(window)
    , m_help(std::make_unique<HelpWindow>(window))
{
    status = new StatusIndicators(window->PanelStatus, keyboard ? std::move(keyboard) : createSystemKeyboardState(),
                                  this);
    trayMode = new TrayMode(window, tray ? std::move(tray) : createSystemTray(this), this);
    trayMode->showAboutModal = [this] { showAboutModal(); };
    MHint1 = new TMHint(this);

    window->installEventFilter(this);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationEvents1Activate();
        else if (state == Qt::ApplicationInactive)
            ApplicationEvents1Deactivate();
    });
}

ShellLink::~ShellLink()
{
    qApp->removeEventFilter(this);
}

TFormSplash *ShellLink::splash() const
{
    return m_splash;
}

TFormAbout *ShellLink::about() const
{
    return m_about;
}

void ShellLink::showSplash()
{
    if (!m_splash)
        m_splash = new TFormSplash(m_window);
    m_splash->showNow();
}

void ShellLink::closeSplash()
{
    if (m_splash)
        m_splash->close();   // destroyed on close
}

TFormAbout *ShellLink::newAbout()
{
    m_about = new TFormAbout(m_window);
    return m_about;
}

void ShellLink::MainMenuAboutClick()
{
    TFormAbout *box = m_about ? m_about.data() : newAbout();
    box->show();
    box->raise();
    box->activateWindow();
}

void ShellLink::showAboutModal()
{
    // A box opened from the main menu gives way to the modal one.
    if (m_about)
        m_about->close();
    QPointer<TFormAbout> box = newAbout();
    box->exec();
}

void ShellLink::openHelp()
{
    if (m_help->open(m_window->helpFile))
        return;
    m_window->messages()->show(QMessageBox::Warning, tr("Лумолекс"),
                               tr("Файл справки %1 не найден").arg(QDir::toNativeSeparators(m_window->helpFile)));
}

void ShellLink::ApplicationEvents1Activate()
{
    if (QWidget *active = QApplication::activeWindow())
        active->raise();
}

void ShellLink::ApplicationEvents1Deactivate()
{
    if (m_window->settings.CloseCardsAtSwith)
        emit closeCardsOnSwitch();
}

bool ShellLink::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        // Minimising the main window enters tray mode when so set; the
        // window is hidden once the minimise is done.
        if (watched == m_window && m_window->isMinimized())
            QMetaObject::invokeMethod(this, [this] {
                if (m_window->isMinimized())
                    trayMode->ApplicationEvents1Minimize(m_window->settings.IconTray);
            }, Qt::QueuedConnection);
        break;
    case QEvent::Show:
        // A message during start-up (a missing data file, say) must not sit
        // behind the splash box, which stays on top: the splash gives way.
        if (m_splash && watched != m_splash && qobject_cast<QDialog *>(watched))
            closeSplash();
        break;
    case QEvent::ShortcutOverride: {
        // F1 belongs to its release (below). Its press must not also run
        // "Справка" through the menu item's shortcut: one keystroke would
        // open the help twice, and report a missing file twice.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && m_window->started()) {
            key->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        // Releasing F1 anywhere in the program opens the help; the key
        // then goes on as usual.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && event != m_lastF1 && m_window->started()) {
            // The same release goes on to the parents; it is one release.
            m_lastF1 = event;
            QMetaObject::invokeMethod(this, [this] { m_lastF1 = nullptr; }, Qt::QueuedConnection);
            openHelp();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumolex
