#include "article/view/commandgroup.h"

#include <QAbstractButton>
#include <QSignalBlocker>

namespace lumolex {

CommandGroup::CommandGroup(std::initializer_list<QObject *> controls)
{
    for (QObject *control : controls) {
        if (auto *action = qobject_cast<QAction *>(control))
            add(action);
        else if (auto *widget = qobject_cast<QWidget *>(control))
            add(widget);
    }
}

void CommandGroup::add(QAction *action)
{
    if (action)
        m_actions.append(action);
}

void CommandGroup::add(QWidget *widget)
{
    if (widget)
        m_widgets.append(widget);
}

void CommandGroup::setEnabled(bool enabled) const
{
    for (const QPointer<QAction> &action : m_actions) {
        if (action)
            action->setEnabled(enabled);
    }
    for (const QPointer<QWidget> &widget : m_widgets) {
        if (widget)
            widget->setEnabled(enabled);
    }
}

bool CommandGroup::isEnabled() const
{
    for (const QPointer<QAction> &action : m_actions) {
        if (action)
            return action->isEnabled();
    }
    for (const QPointer<QWidget> &widget : m_widgets) {
        if (widget)
            return widget->isEnabled();
    }
    return false;
}

bool CommandGroup::isEmpty() const
{
    for (const QPointer<QAction> &action : m_actions) {
        if (action)
            return false;
    }
    for (const QPointer<QWidget> &widget : m_widgets) {
        if (widget)
            return false;
    }
    return true;
}

ToggleControl::ToggleControl(QAbstractButton *button)
    : m_button(button)
{
    if (button)
        button->setCheckable(true);
}

ToggleControl::ToggleControl(QAction *action)
    : m_action(action)
{
    if (action)
        action->setCheckable(true);
}

bool ToggleControl::isChecked() const
{
    if (m_button)
        return m_button->isChecked();
    if (m_action)
        return m_action->isChecked();
    return false;
}

void ToggleControl::setChecked(bool checked) const
{
    if (m_button) {
        const QSignalBlocker blocker(m_button);
        m_button->setChecked(checked);
    }
    if (m_action) {
        const QSignalBlocker blocker(m_action);
        m_action->setChecked(checked);
    }
}

} // namespace lumolex
