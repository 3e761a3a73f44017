#pragma once

// Edge snapping of the main window to the work area of the primary display.
//
// snapToWorkArea is the rule itself: a window whose left (top) edge comes
// within 20 pixels of the work area's left (top) edge goes to that edge; one
// whose right (bottom) edge comes within 20 pixels of the work area's right
// (bottom) edge goes there, and that test comes second, so when both edges
// of an axis are within reach the right or bottom edge wins. The size never
// changes.
//
// EdgeSnapper applies the rule to one window while its owner allows it:
//  - on Windows in the window-position-changing message, before the move
//    takes place;
//  - elsewhere (X11) the window manager moves the window itself, so the rule
//    is applied once a move has settled (no move for kSettleMs), never while
//    the window is being dragged.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>

class QWidget;

namespace lumolex {

inline constexpr int kSnapDistance = 20;

// The geometry `proposed` (outer frame, global coordinates) adjusted to the
// work area `workArea`. An empty work area leaves it unchanged.
QRect snapToWorkArea(const QRect &proposed, const QRect &workArea);

class EdgeSnapper : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 300;

    // `enabled` is asked at every move (DockWindow).
    EdgeSnapper(QWidget *window, std::function<bool()> enabled);
    ~EdgeSnapper() override;

    // The work area used; the primary display's when not set (tests set one).
    void setWorkArea(const QRect &area) { m_workArea = area; }
    QRect workArea() const;

    // Snaps the window now if it needs it; true when it was moved.
    bool snapNow();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<bool()> m_enabled;
    QRect m_workArea;
    QTimer m_settle;
};

} // namespace lumolex
