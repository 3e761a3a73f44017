#include "platform/edgesnap.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace lumolex {

namespace {

// One axis: `pos` of a window `length` long, in a range [first, end).
int snapAxis(int pos, int length, int first, int end)
{
    if (std::abs(first - pos) <= kSnapDistance)
        pos = first;
    const int lastFit = end - length;
    if (std::abs(lastFit - pos) <= kSnapDistance)
        pos = lastFit;
    return pos;
}

} // namespace

QRect snapToWorkArea(const QRect &proposed, const QRect &workArea)
{
    if (workArea.isEmpty())
        return proposed;
    QRect snapped = proposed;
    snapped.moveLeft(snapAxis(proposed.x(), proposed.width(), workArea.x(), workArea.x() + workArea.width()));
    snapped.moveTop(snapAxis(proposed.y(), proposed.height(), workArea.y(), workArea.y() + workArea.height()));
    return snapped;
}

EdgeSnapper::EdgeSnapper(QWidget *window, std::function<bool()> enabled)
    : QObject(window)
    , m_window(window)
    , m_enabled(std::move(enabled))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { snapNow(); });
#ifdef Q_OS_WIN
    QCoreApplication::instance()->installNativeEventFilter(this);
#else
    window->installEventFilter(this);
#endif
}

EdgeSnapper::~EdgeSnapper()
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
#endif
}

QRect EdgeSnapper::workArea() const
{
    if (!m_workArea.isNull())
        return m_workArea;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool EdgeSnapper::snapNow()
{
    if (!m_enabled() || !m_window->isVisible() || m_window->isMaximized() || m_window->isFullScreen())
        return false;
    const QRect frame = m_window->frameGeometry();
    const QRect snapped = snapToWorkArea(frame, workArea());
    if (snapped.topLeft() == frame.topLeft())
        return false;
    m_window->move(snapped.topLeft());   // a top-level window's position is its frame's
    return true;
}

bool EdgeSnapper::eventFilter(QObject *watched, QEvent *event)
{
    // Every move restarts the wait, so a drag in progress is never fought.
    if (watched == m_window && event->type() == QEvent::Move && m_enabled())
        m_settle.start();
    return false;
}

bool EdgeSnapper::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    auto *msg = static_cast<MSG *>(message);
    if (msg->message != WM_WINDOWPOSCHANGING || !m_window->testAttribute(Qt::WA_WState_Created)
        || msg->hwnd != reinterpret_cast<HWND>(m_window->winId()) || !m_enabled())
        return false;
    auto *pos = reinterpret_cast<WINDOWPOS *>(msg->lParam);
    if (pos->flags & SWP_NOMOVE)
        return false;
    RECT area;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return false;
    const QRect work(area.left, area.top, area.right - area.left, area.bottom - area.top);
    const QRect snapped = snapToWorkArea(QRect(pos->x, pos->y, pos->cx, pos->cy), work);
    pos->x = snapped.x();
    pos->y = snapped.y();
    return false;   // the move proceeds with the adjusted position
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

} // namespace lumolex
