#pragma once

// Steps back and forward through the articles visited.
//
// Owns the step list and its recording switch. The record-change handler
// calls AddStep; the window connects its step buttons and menu items to the
// click handlers and gives the step controls to enable.

#include "article/steplist.h"
#include "article/view/commandgroup.h"

#include <QObject>

#include <functional>

namespace lumolex {

class StepNavigator : public QObject
{
    Q_OBJECT
public:
    // findWord makes the article with the given ID current (FindWord).
    explicit StepNavigator(std::function<void(qint32 id)> findWord, QObject *parent = nullptr);

    // SpeedButtonBack + MainMenuBack, SpeedButtonForward + MainMenuForward.
    void setStepControls(CommandGroup back, CommandGroup forward);

    // Records the article as a step, then BtnStepEnabled. `leftId` is the
    // article the record change left: when the user reached it without a
    // step (by typing in the word box) and is now taken elsewhere, it is
    // recorded first, so that a step back returns to the article just read.
    void AddStep(qint32 id, qint32 leftId = 0);
    void BtnStepEnabled();              // back enabled above step 1; forward when a later slot is filled
    void SpeedButtonBackClick();        // also run by MainMenuBackClick
    void SpeedButtonForwardClick();     // also run by MainMenuForwardClick

    bool isRecording() const;           // the step recording switch
    void setRecording(bool on);
    const StepList &steps() const;

private:
    // Goes to the step's article; 0 (no step that way) does nothing.
    void followStep(qint32 id);
    void jumpWithoutRecording(qint32 id);

    std::function<void(qint32)> m_findWord;
    CommandGroup m_back;
    CommandGroup m_forward;
    StepList m_steps;
};

} // namespace lumolex
