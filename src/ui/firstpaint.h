#pragma once

// Tells once when a widget has first been painted: the paint and the flush
// of its window to the screen have ended. The start-up measures the time to
// the window on screen with its first article with it.

#include <QObject>

#include <functional>

class QWidget;

namespace lumolex {

class FirstPaintWatch : public QObject
{
    Q_OBJECT
public:
    // Watches `widget`; `painted` runs once, on the event loop right after
    // the first paint, then the watch deletes itself. `starting`, when
    // given, runs as that paint begins.
    FirstPaintWatch(QWidget *widget, std::function<void()> painted, std::function<void()> starting = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_painted;
    std::function<void()> m_starting;
    bool m_seen = false;
};

} // namespace lumolex
