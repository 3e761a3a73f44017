#include "ui/menushortcutsfirst.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace lumolex {

MenuShortcutsFirst::MenuShortcutsFirst(QList<QAction *> menuItems, QObject *parent)
    : QObject(parent)
{
    for (QAction *item : menuItems)
        m_items.append(item);
}

void MenuShortcutsFirst::watch(QObject *textField)
{
    textField->installEventFilter(this);
    if (auto *combo = qobject_cast<QComboBox *>(textField); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

bool MenuShortcutsFirst::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QPointer<QAction> &item : std::as_const(m_items)) {
        if (item && item->isEnabled() && item->shortcut() == pressed) {
            // Not accepted: the shortcut system goes on to the menu item.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QAction *> menuItemsOf(const QWidget *menuBar)
{
    QList<QAction *> items;
    QList<QAction *> pending = menuBar->actions();
    while (!pending.isEmpty()) {
        QAction *action = pending.takeFirst();
        if (QMenu *submenu = action->menu())
            pending.append(submenu->actions());
        else if (!action->isSeparator())
            items.append(action);
    }
    return items;
}

} // namespace lumolex
