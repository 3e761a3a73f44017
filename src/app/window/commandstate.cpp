#include "app/window/commandstate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>
#include <QVariant>

namespace lumolex {

namespace {

constexpr char kPendingProperty[] = "lumolexCommandPending";
constexpr char kAlwaysDisabledProperty[] = "lumolexAlwaysDisabled";

bool isControlKind(const QObject *object)
{
    return qobject_cast<const QAbstractButton *>(object)      // buttons, tool buttons, check boxes
        || qobject_cast<const QLineEdit *>(object)            // edit boxes
        || qobject_cast<const QComboBox *>(object)            // combo boxes
        || qobject_cast<const QAbstractItemView *>(object)    // grid, list boxes
        || qobject_cast<const QTextEdit *>(object);           // rich-text boxes
}

void setEnabledIfAllowed(QObject *object, bool on)
{
    const bool allowed = on && !isCommandPending(object) && !isAlwaysDisabled(object);
    if (auto *action = qobject_cast<QAction *>(object))
        action->setEnabled(allowed);
    else if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setEnabled(allowed);
}

// Keeps a pending control disabled, whoever enables it (a part that enables
// its commands by the current article, say), until the command is ready.
class PendingGuard : public QObject
{
public:
    explicit PendingGuard(QObject *control)
        : QObject(control)
    {
        setObjectName(QStringLiteral("PendingGuard"));
        if (auto *action = qobject_cast<QAction *>(control)) {
            connect(action, &QAction::changed, this, [action] {
                if (action->isEnabled() && isCommandPending(action))
                    action->setEnabled(false);
            });
        } else {
            control->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isEnabled() && isCommandPending(widget))
                widget->setEnabled(false);
        }
        return false;
    }
};

PendingGuard *guardOf(QObject *control)
{
    return control->findChild<PendingGuard *>(QStringLiteral("PendingGuard"), Qt::FindDirectChildrenOnly);
}

} // namespace

void markCommandPending(QObject *control)
{
    control->setProperty(kPendingProperty, true);
    setEnabledIfAllowed(control, false);
    if (!guardOf(control))
        new PendingGuard(control);
}

void setCommandReady(QObject *control)
{
    control->setProperty(kPendingProperty, QVariant());
    delete guardOf(control);
    setEnabledIfAllowed(control, true);
}

bool isCommandPending(const QObject *control)
{
    return control->property(kPendingProperty).toBool();
}

void markAlwaysDisabled(QObject *control)
{
    control->setProperty(kAlwaysDisabledProperty, true);
    setEnabledIfAllowed(control, false);
}

void clearAlwaysDisabled(QObject *control)
{
    if (!isAlwaysDisabled(control))
        return;
    control->setProperty(kAlwaysDisabledProperty, QVariant());
    setEnabledIfAllowed(control, true);
}

bool isAlwaysDisabled(const QObject *control)
{
    return control->property(kAlwaysDisabledProperty).toBool();
}

void setAllControlsEnabled(QObject *root, bool on)
{
    for (QObject *object : root->children()) {
        // Secondary windows (word cards, dialogs) have controls of their own;
        // the pop-up menus belong to the window.
        if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow()
                                                            && !qobject_cast<QMenu *>(widget))
            continue;
        if (auto *action = qobject_cast<QAction *>(object)) {
            if (!action->isSeparator())
                setEnabledIfAllowed(action, on);
        } else if (isControlKind(object)) {
            setEnabledIfAllowed(object, on);
        }
        setAllControlsEnabled(object, on);
    }
}

} // namespace lumolex
