#include "article/steplist.h"

#include <algorithm>

namespace lumolex {

bool StepList::addStep(qint32 id)
{
    if (id < 1 || currentId() == id)
        return false;
    if (m_current < kSlots) {
        ++m_current;
    } else {
        std::move(m_slots.begin() + 1, m_slots.end(), m_slots.begin());
    }
    m_slots[m_current - 1] = id;
    return true;
}

int StepList::currentStep() const
{
    return m_current;
}

qint32 StepList::slot(int number) const
{
    return number >= 1 && number <= kSlots ? m_slots[number - 1] : 0;
}

qint32 StepList::currentId() const
{
    return slot(m_current);
}

bool StepList::canStepBack() const
{
    return m_current > 1;
}

bool StepList::canStepForward() const
{
    return m_current < kSlots && slot(m_current + 1) != 0;
}

qint32 StepList::stepBack()
{
    if (!canStepBack())
        return 0;
    --m_current;
    return currentId();
}

qint32 StepList::stepForward()
{
    if (!canStepForward())
        return 0;
    ++m_current;
    return currentId();
}

bool StepList::isRecording() const
{
    return m_recording;
}

void StepList::setRecording(bool on)
{
    m_recording = on;
}

} // namespace lumolex
