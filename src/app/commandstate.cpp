#include "app/commandstate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
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

} // namespace

void markCommandPending(QObject *control)
{
    control->setProperty(kPendingProperty, true);
    setEnabledIfAllowed(control, false);
}

void setCommandReady(QObject *control)
{
    control->setProperty(kPendingProperty, QVariant());
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

bool isAlwaysDisabled(const QObject *control)
{
    return control->property(kAlwaysDisabledProperty).toBool();
}

void setAllControlsEnabled(QObject *root, bool on)
{
    const auto objects = root->findChildren<QObject *>();
    for (QObject *object : objects) {
        if (auto *action = qobject_cast<QAction *>(object)) {
            if (!action->isSeparator())
                setEnabledIfAllowed(action, on);
        } else if (isControlKind(object)) {
            setEnabledIfAllowed(object, on);
        }
    }
}

} // namespace lumolex
