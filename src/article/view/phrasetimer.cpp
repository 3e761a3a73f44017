#include "article/view/phrasetimer.h"

#include <QTimer>

namespace lumolex {

QtPhraseTimer::QtPhraseTimer(QObject *parent)
    : PhraseTimer(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("TimerPhrase"));
    m_timer->setInterval(15000);
    connect(m_timer, &QTimer::timeout, this, &PhraseTimer::timeout);
}

void QtPhraseTimer::start()
{
    m_timer->start();
}

void QtPhraseTimer::stop()
{
    m_timer->stop();
}

bool QtPhraseTimer::isActive() const
{
    return m_timer->isActive();
}

int QtPhraseTimer::interval() const
{
    return m_timer->interval();
}

} // namespace lumolex
