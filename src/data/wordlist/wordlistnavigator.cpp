#include "data/wordlist/wordlistnavigator.h"

#include "data/table/table.h"

#include <QTimer>

namespace lumolex {

QtStepTimer::QtStepTimer(QObject *owner)
    : m_timer(new QTimer(owner))
{
    m_timer->setObjectName(QStringLiteral("TimerNav"));
    m_timer->setInterval(NavAccelerator::kIdleInterval);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
        if (onTimeout)
            onTimeout();
    });
}

void QtStepTimer::start(int intervalMs)
{
    m_timer->start(intervalMs);
}

void QtStepTimer::stop()
{
    m_timer->stop();
}

bool QtStepTimer::isActive() const
{
    return m_timer->isActive();
}

int QtStepTimer::interval() const
{
    return m_timer->interval();
}

NavAccelerator::NavAccelerator(Table *articles, StepTimer *timer)
    : m_articles(articles)
    , m_timer(timer)
{
    m_timer->onTimeout = [this] { TimerNavTimer(); };
}

void NavAccelerator::press(NavDirection direction)
{
    if (direction == NavDirection::None)
        return;
    m_direction = direction;
    m_ticks = 0;
    m_timer->start(kIdleInterval);
}

void NavAccelerator::release()
{
    reset();
}

void NavAccelerator::reset()
{
    m_direction = NavDirection::None;
    m_ticks = 0;
    m_timer->stop();
}

void NavAccelerator::TimerNavTimer()
{
    if (m_direction == NavDirection::None) {
        reset();
        return;
    }
    if (m_ticks < kMaxTicks)
        ++m_ticks;
    switch (m_ticks) {
    case 5:
        m_timer->start(250);
        break;
    case 10:
        m_timer->start(125);
        break;
    case 25:
        m_timer->start(70);
        break;
    default:
        break;
    }

    if (m_direction == NavDirection::Next)
        m_articles->next();
    else
        m_articles->prior();

    if (m_articles->atBeginning() || m_articles->atEnd())
        reset();
}

void moveRecordsBy(Table &articles, int rows)
{
    if (rows == 0)
        return;
    articles.suspendNotifications();
    for (int i = 0; i < rows; ++i)
        articles.next();
    for (int i = 0; i > rows; --i)
        articles.prior();
    articles.resumeNotifications();
}

} // namespace lumolex
