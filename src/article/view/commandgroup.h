#pragma once

// Small adapters over controls owned by the main window.
//
// A command often exists twice, as a tool button and as a menu item, and the
// window may build either as a QAction or as a widget. CommandGroup enables
// or disables all of them at once; ToggleControl reads and sets the down /
// checked state of one of them. Both hold guarded pointers, so a control
// destroyed before them is simply skipped.

#include <QAction>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

class QAbstractButton;

namespace lumolex {

class CommandGroup
{
public:
    CommandGroup() = default;
    CommandGroup(std::initializer_list<QObject *> controls);   // QAction or QWidget, nulls skipped

    void add(QAction *action);                    // adds a menu item or tool bar action
    void add(QWidget *widget);                    // adds a button or any widget
    void setEnabled(bool enabled) const;          // enables or disables every member
    bool isEnabled() const;                       // state of the first member, false when none
    bool isEmpty() const;                         // true when no member is left

private:
    QList<QPointer<QAction>> m_actions;
    QList<QPointer<QWidget>> m_widgets;
};

class ToggleControl
{
public:
    ToggleControl() = default;
    ToggleControl(QAbstractButton *button);       // a checkable button (made checkable here)
    ToggleControl(QAction *action);               // a checkable action (made checkable here)

    bool isChecked() const;                       // down or checked; false when missing
    void setChecked(bool checked) const;          // no signal of the control is emitted

private:
    QPointer<QAbstractButton> m_button;
    QPointer<QAction> m_action;
};

} // namespace lumolex
