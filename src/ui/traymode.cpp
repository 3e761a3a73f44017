#include "ui/traymode.h"

#include "ui/deferredicon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace lumolex {

namespace {

class SystemTrayPort : public TrayPort
{
public:
    explicit SystemTrayPort(QObject *owner)
        : m_icon(new QSystemTrayIcon(owner))
    {
        m_icon->setObjectName(QStringLiteral("TrayIcon1"));
        QObject::connect(m_icon, &QSystemTrayIcon::activated, m_icon, [this](QSystemTrayIcon::ActivationReason why) {
            // A single click does nothing; the menu comes by itself.
            if (why == QSystemTrayIcon::DoubleClick && onDoubleClick)
                onDoubleClick();
        });
    }
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void setVisible(bool visible) override { m_icon->setVisible(visible); }
    bool isVisible() const override { return m_icon->isVisible(); }
    void setIcon(const QIcon &icon) override { m_icon->setIcon(icon); }
    void setToolTip(const QString &text) override { m_icon->setToolTip(text); }
    void setContextMenu(QMenu *menu) override { m_icon->setContextMenu(menu); }

private:
    QSystemTrayIcon *m_icon;
};

// One frame for a device pixel ratio: the pixmap has that many pixels per
// logical pixel, and the painter draws in logical pixels on it.
QPixmap drawFrame(int frame, int frames, int pixelRatio)
{
    QPixmap pixmap(16 * pixelRatio, 16 * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The open book.
    p.setPen(QPen(QColor(40, 60, 110), 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawPolygon(QPolygonF({QPointF(1, 8), QPointF(8, 10), QPointF(8, 15), QPointF(1, 13)}));
    p.drawPolygon(QPolygonF({QPointF(15, 8), QPointF(8, 10), QPointF(8, 15), QPointF(15, 13)}));
    // The star circling above it, brightest at the top of its turn.
    const double angle = 2 * M_PI * frame / frames;
    const QPointF star(8 + 5 * std::sin(angle), 5 - 3.5 * std::cos(angle));
    const int glow = 150 + int(105 * (1 + std::cos(angle)) / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, glow, 40));
    p.drawEllipse(star, 2.2, 2.2);
    p.setBrush(QColor(90, 200, 170, 160));
    p.drawEllipse(QPointF(16 - star.x(), 10 - star.y()), 1.2, 1.2);
    p.end();
    return pixmap;
}

// A frame drawn for ordinary and for high-density screens.
QIcon frameIcon(int frame, int frames)
{
    QIcon icon;
    icon.addPixmap(drawFrame(frame, frames, 1));
    icon.addPixmap(drawFrame(frame, frames, 2));
    return icon;
}

} // namespace

std::unique_ptr<TrayPort> createSystemTray(QObject *owner)
{
    return std::make_unique<SystemTrayPort>(owner);
}

QList<QIcon> trayAnimationFrames()
{
    constexpr int frames = 17;
    QList<QIcon> icons;
    // Drawn when first shown: the animation runs only in tray mode.
    for (int i = 0; i < frames; ++i)
        icons.append(deferredIcon([i] { return frameIcon(i, frames); }));
    return icons;
}

TrayMode::TrayMode(QWidget *window, std::unique_ptr<TrayPort> tray, QObject *parent)
    : QObject(parent)
    , ImageListAniIcon(trayAnimationFrames())
    , m_window(window)
    , m_tray(std::move(tray))
    , m_animation(new QTimer(this))
{
    endProgram = [] {
        if (QGuiApplication::quitOnLastWindowClosed())
            QCoreApplication::quit();
    };
    PMenuTray = new QMenu(window);
    PMenuTray->setObjectName(QStringLiteral("PMenuTray"));
    PMenuTrayRestore = PMenuTray->addAction(tr("Лумолекс"));
    PMenuTrayRestore->setObjectName(QStringLiteral("PMenuTrayRestore"));
    PMenuTrayAbout = PMenuTray->addAction(tr("О программе"));
    PMenuTrayAbout->setObjectName(QStringLiteral("PMenuTrayAbout"));
    N4 = PMenuTray->addSeparator();
    N4->setObjectName(QStringLiteral("N4"));
    PMenuTrayExit = PMenuTray->addAction(tr("Выход"));
    PMenuTrayExit->setObjectName(QStringLiteral("PMenuTrayExit"));
    connect(PMenuTrayRestore, &QAction::triggered, this, &TrayMode::PMenuTrayRestoreClick);
    connect(PMenuTrayAbout, &QAction::triggered, this, &TrayMode::PMenuTrayAboutClick);
    connect(PMenuTrayExit, &QAction::triggered, this, &TrayMode::PMenuTrayExitClick);

    m_animation->setInterval(AnimationInterval);
    connect(m_animation, &QTimer::timeout, this, &TrayMode::nextFrame);

    m_tray->setIcon(ImageListAniIcon.value(0));
    m_tray->setToolTip(tr("Лумолекс"));
    m_tray->setContextMenu(PMenuTray);
    m_tray->onDoubleClick = [this] { TrayIcon1DblClick(); };
    m_tray->setVisible(false);
}

TrayMode::~TrayMode()
{
    m_tray->onDoubleClick = nullptr;
}

bool TrayMode::animating() const
{
    return m_animation->isActive();
}

void TrayMode::setToolTip(const QString &text)
{
    m_tray->setToolTip(text);
}

void TrayMode::nextFrame()
{
    m_frame = (m_frame + 1) % int(ImageListAniIcon.size());
    m_tray->setIcon(ImageListAniIcon.at(m_frame));
}

void TrayMode::startAnimation()
{
    if (m_tray->isVisible())
        m_animation->start();
}

bool TrayMode::ApplicationEvents1Minimize(bool iconTray)
{
    if (!iconTray || m_inTray || !m_window || !m_tray->isAvailable())
        return false;
    m_inTray = true;
    m_tray->setVisible(true);
    startAnimation();
    // The cards and boxes of the window go with it; the window keeps no
    // taskbar button while hidden.
    m_hiddenWindows.clear();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != m_window && top->isVisible() && top->parentWidget() == m_window) {
            m_hiddenWindows.append(top);
            top->hide();
        }
    }
    m_window->hide();
    return true;
}

void TrayMode::leaveTrayMode()
{
    if (!m_inTray)
        return;
    m_inTray = false;
    if (m_window) {
        m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
    }
    for (const QPointer<QWidget> &hidden : std::as_const(m_hiddenWindows))
        if (hidden)
            hidden->show();
    m_hiddenWindows.clear();
    m_animation->stop();
    m_tray->setVisible(false);
}

void TrayMode::TrayIcon1DblClick()
{
    leaveTrayMode();
}

void TrayMode::PMenuTrayRestoreClick()
{
    leaveTrayMode();
}

void TrayMode::PMenuTrayAboutClick()
{
    m_animation->stop();
    // The animation comes back however the box ends.
    struct Restart {
        TrayMode *mode;
        ~Restart() { mode->startAnimation(); }
    } restart{this};
    if (showAboutModal)
        showAboutModal();
}

void TrayMode::PMenuTrayExitClick()
{
    if (!m_window)
        return;
    // The window closes as from its own menu, with the settings and
    // histories saved; hidden in the tray, it ends the program explicitly.
    const bool hidden = m_inTray;
    if (!m_window->close())
        return;
    m_inTray = false;
    m_animation->stop();
    m_tray->setVisible(false);
    if (hidden && endProgram)
        endProgram();
}

} // namespace lumolex
