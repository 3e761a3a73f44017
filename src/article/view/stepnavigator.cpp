#include "article/view/stepnavigator.h"

namespace lumolex {

StepNavigator::StepNavigator(std::function<void(qint32)> findWord, QObject *parent)
    : QObject(parent)
    , m_findWord(std::move(findWord))
{
}

void StepNavigator::setStepControls(CommandGroup back, CommandGroup forward)
{
    m_back = std::move(back);
    m_forward = std::move(forward);
    BtnStepEnabled();
}

void StepNavigator::AddStep(qint32 id, qint32 leftId)
{
    // Before the first step there is nothing to return to: the articles the
    // start-up passes through are no visits.
    if (m_steps.currentStep() > 0 && leftId != id && leftId != m_steps.currentId())
        m_steps.addStep(leftId);
    m_steps.addStep(id);
    BtnStepEnabled();
}

void StepNavigator::BtnStepEnabled()
{
    m_back.setEnabled(m_steps.canStepBack());
    m_forward.setEnabled(m_steps.canStepForward());
}

void StepNavigator::SpeedButtonBackClick()
{
    followStep(m_steps.stepBack());
}

void StepNavigator::SpeedButtonForwardClick()
{
    followStep(m_steps.stepForward());
}

void StepNavigator::followStep(qint32 id)
{
    if (id == 0)
        return;
    BtnStepEnabled();
    jumpWithoutRecording(id);
}

void StepNavigator::jumpWithoutRecording(qint32 id)
{
    // The record change caused by the jump must not record it again.
    struct SwitchBackOn {
        StepList &steps;
        ~SwitchBackOn() { steps.setRecording(true); }
    } switchBackOn{m_steps};
    m_steps.setRecording(false);
    if (m_findWord)
        m_findWord(id);
}

bool StepNavigator::isRecording() const
{
    return m_steps.isRecording();
}

void StepNavigator::setRecording(bool on)
{
    m_steps.setRecording(on);
}

const StepList &StepNavigator::steps() const
{
    return m_steps;
}

} // namespace lumolex
