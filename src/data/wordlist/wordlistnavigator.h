#pragma once

// Moving through the word list: the accelerated stepping of the two step
// buttons while they are held, and the page moves of the list keys.

#include <QObject>

#include <functional>

class QTimer;

namespace lumolex {

class Table;

// The timer the accelerated stepping runs on. The program uses a QTimer;
// tests drive a manual one tick by tick.
class StepTimer
{
public:
    virtual ~StepTimer() = default;
    // Starts, or restarts, the periodic timer: the next tick comes one full
    // interval from now.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual int interval() const = 0;

    // Called on every tick.
    std::function<void()> onTimeout;
};

class QtStepTimer : public StepTimer
{
public:
    explicit QtStepTimer(QObject *owner);
    void start(int intervalMs) override;
    void stop() override;
    bool isActive() const override;
    int interval() const override;
    QTimer *timer() const { return m_timer; }

private:
    QTimer *m_timer;
};

enum class NavDirection { None, Prior, Next };

// TimerNav: pressing a step button steps after 500 ms, then faster: 250 ms
// from the 5th tick, 125 ms from the 10th, 70 ms from the 25th, until the
// button is released or the list reaches an end.
class NavAccelerator
{
public:
    static constexpr int kIdleInterval = 500;
    static constexpr int kMaxTicks = 30;

    NavAccelerator(Table *articles, StepTimer *timer);

    void press(NavDirection direction); // ToolButtonPrevMouseDown / ToolButtonNextMouseDown
    void release();                     // ToolButtonPrevMouseUp / ToolButtonNextMouseUp
    void TimerNavTimer();               // one tick

    NavDirection direction() const { return m_direction; }
    int tickCount() const { return m_ticks; }
    StepTimer *timer() const { return m_timer; }

private:
    void reset();

    Table *m_articles;
    StepTimer *m_timer;
    NavDirection m_direction = NavDirection::None;
    int m_ticks = 0;
};

// Moves the current record `rows` records forward (negative: back) with the
// table's step semantics, announcing the move once.
void moveRecordsBy(Table &articles, int rows);

} // namespace lumolex
