#pragma once

// The list of articles visited, for stepping back and forward.
//
// 500 slots numbered 1..500, each an article ID or 0 for empty, and the
// current step 0..500 (0: nothing recorded yet). A new step goes into the
// slot after the current one and leaves the later slots as they are, so after
// stepping back and visiting another article, stepping forward still leads
// to the articles that followed before. When all 500 slots are used, the
// oldest step is dropped. The list lives in memory only.

#include <QtGlobal>

#include <array>

namespace lumolex {

class StepList
{
public:
    static constexpr int kSlots = 500;

    // Records id as the newest step unless it is the current one already.
    // IDs below 1 are not articles and are ignored. Answers whether the list changed.
    bool addStep(qint32 id);

    int currentStep() const;          // 0..500
    qint32 slot(int number) const;    // ID in slot 1..500; 0 for empty, slot 0 or out of range
    qint32 currentId() const;         // slot(currentStep())

    bool canStepBack() const;         // the current step is above 1
    bool canStepForward() const;      // below 500 and the next slot is not empty

    // Move the current step by one and answer the ID found there, or answer 0
    // and stay when the move is not possible.
    qint32 stepBack();
    qint32 stepForward();

    // The step recording switch: off while a step back or forward jumps, so
    // that the jump itself records nothing.
    bool isRecording() const;
    void setRecording(bool on);

private:
    std::array<qint32, kSlots> m_slots{};   // m_slots[n - 1] is slot n
    int m_current = 0;
    bool m_recording = true;
};

} // namespace lumolex
