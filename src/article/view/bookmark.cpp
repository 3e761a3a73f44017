#include "article/view/bookmark.h"

#include "article/view/stepnavigator.h"
#include "data/table/table.h"

namespace lumolex {

Bookmark::Bookmark(Table *articles, std::function<void(qint32)> findWord, StepNavigator *steps,
                   QObject *parent)
    : QObject(parent)
    , m_articles(articles)
    , m_findWord(std::move(findWord))
    , m_steps(steps)
{
}

void Bookmark::setControls(ToggleControl button, ToggleControl menuItem)
{
    m_button = button;
    m_menuItem = menuItem;
    m_button.setChecked(false);
    m_menuItem.setChecked(false);
}

void Bookmark::SpeedButtonBookmarkClick()
{
    const bool down = m_button.isChecked();
    m_menuItem.setChecked(down);
    if (down) {
        // With no article shown nothing is remembered, and releasing the
        // button then goes nowhere.
        m_remembered = currentId();
        return;
    }
    if (m_remembered == 0 || !m_findWord)
        return;
    if (m_steps)
        m_steps->setRecording(true);
    m_findWord(m_remembered);
}

void Bookmark::MainMenuBookmarkClick()
{
    m_button.setChecked(m_menuItem.isChecked());
    SpeedButtonBookmarkClick();
}

bool Bookmark::isDown() const
{
    return m_button.isChecked();
}

qint32 Bookmark::remembered() const
{
    return m_remembered;
}

qint32 Bookmark::bookMarkSetting() const
{
    return isDown() ? currentId() : 0;
}

qint32 Bookmark::currentId() const
{
    if (!m_articles || EmptyTable(*m_articles))
        return 0;
    return m_articles->value(u"ID").toInt();
}

} // namespace lumolex
