#pragma once

// The bookmark: pressing it remembers the current article, releasing it
// returns to that article (and selects its dictionary) as a recorded step.
// The button and the menu item always show the same state.

#include "article/view/commandgroup.h"

#include <QObject>

#include <functional>

namespace lumolex {

class StepNavigator;
class Table;

class Bookmark : public QObject
{
    Q_OBJECT
public:
    // articles: the article table; findWord: FindWord; steps: whose recording
    // switch is on during the return (may be null).
    Bookmark(Table *articles, std::function<void(qint32 id)> findWord, StepNavigator *steps,
             QObject *parent = nullptr);

    // SpeedButtonBookmark (toggle button) and MainMenuBookmark (checkable item);
    // both are made checkable and set up.
    void setControls(ToggleControl button, ToggleControl menuItem);

    // Runs after the button toggled itself: the check mark follows it, then
    // down remembers the current article and up returns to the remembered one.
    void SpeedButtonBookmarkClick();
    // Runs after the menu item toggled its check mark: the button follows it,
    // then the same action as the button.
    void MainMenuBookmarkClick();

    bool isDown() const;               // the button's state
    qint32 remembered() const;         // remembered article, 0 for none
    // The BookMark value written at shutdown: the current article's ID while
    // the button is down, otherwise 0.
    qint32 bookMarkSetting() const;

private:
    qint32 currentId() const;

    Table *m_articles;
    std::function<void(qint32)> m_findWord;
    StepNavigator *m_steps;
    ToggleControl m_button;
    ToggleControl m_menuItem;
    qint32 m_remembered = 0;
};

} // namespace lumolex
