#include "platform/keyreplay.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace lumolex {

namespace {

QKeyEvent *copyOf(const QKeyEvent &original, QEvent::Type type)
{
    return new QKeyEvent(type, original.key(), original.modifiers(),
                         original.nativeScanCode(), original.nativeVirtualKey(),
                         original.nativeModifiers(), original.text(),
                         /*autorepeat*/ false, ushort(qMax(1, original.count())),
                         original.device());
}

} // namespace

void replayKey(QWidget *target, const QKeyEvent &original)
{
    if (!target)
        return;
    // Posted events of a destroyed receiver are discarded by Qt.
    QCoreApplication::postEvent(target, copyOf(original, QEvent::KeyPress));
    QCoreApplication::postEvent(target, copyOf(original, QEvent::KeyRelease));
}

} // namespace lumolex
