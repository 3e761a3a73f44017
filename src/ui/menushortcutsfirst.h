#pragma once

// Lets the main menu's shortcuts win over a text field's own editing keys.
//
// A line edit claims Ctrl+Z and Ctrl+Y for undo and redo, so with the focus
// in the word box (where it nearly always is) the step commands on those
// keys never ran. Installed on a text field, this filter declines the field's
// claim on any key that an enabled menu item uses as its shortcut; all other
// keys keep their usual meaning in the field.

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace lumolex {

class MenuShortcutsFirst : public QObject
{
    Q_OBJECT
public:
    MenuShortcutsFirst(QList<QAction *> menuItems, QObject *parent = nullptr);

    // Installs the filter on a text field (and its line edit, for a combo box).
    void watch(QObject *textField);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QAction>> m_items;
};

// Every item of the menus under `menuBar`, submenus included.
QList<QAction *> menuItemsOf(const QWidget *menuBar);

} // namespace lumolex
