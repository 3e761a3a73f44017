// Key replay: the same key arrives at the target control, from the event loop.
#include "platform/keyreplay.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

using lumolex::replayKey;

namespace {

class KeyRecorder : public QWidget
{
public:
    struct Key {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        quint32 scanCode;
    };
    QList<Key> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { record(event); }
    void keyReleaseEvent(QKeyEvent *event) override { record(event); }

private:
    void record(QKeyEvent *event)
    {
        keys.append({event->type(), event->key(), event->modifiers(), event->text(),
                     event->nativeScanCode()});
    }
};

} // namespace

TEST(KeyReplay, PressAndReleaseArriveWithTheSameKey)
{
    KeyRecorder target;
    const QKeyEvent original(QEvent::KeyPress, u'Ж', Qt::ShiftModifier, 47, 0, 1,
                             QStringLiteral("Ж"));
    replayKey(&target, original);
    EXPECT_TRUE(target.keys.isEmpty()) << "delivered from the event loop, not at once";
    QTRY_COMPARE_WITH_TIMEOUT(target.keys.size(), 2, 2000);
    EXPECT_EQ(target.keys[0].type, QEvent::KeyPress);
    EXPECT_EQ(target.keys[1].type, QEvent::KeyRelease);
    for (const auto &key : target.keys) {
        EXPECT_EQ(key.key, int(u'Ж'));
        EXPECT_EQ(key.modifiers, Qt::ShiftModifier);
        EXPECT_EQ(key.text, QStringLiteral("Ж"));
        EXPECT_EQ(key.scanCode, 47u);
    }
}

TEST(KeyReplay, TypedLetterReplacesTheSelectedTextOfAFieldOrAnEditableDropDownBox)
{
    // The word box is an editable drop-down box, which passes the key to its field.
    QLineEdit field;
    QComboBox wordBox;
    wordBox.setEditable(true);
    wordBox.addItems({QStringLiteral("одно"), QStringLiteral("другое")});
    const std::pair<QWidget *, QLineEdit *> targets[] = {{&field, &field}, {&wordBox, wordBox.lineEdit()}};
    for (const auto &[target, edit] : targets) {
        SCOPED_TRACE(target->metaObject()->className());
        edit->setText(QStringLiteral("старое"));
        edit->selectAll();
        target->show();
        target->setFocus();
        replayKey(target, QKeyEvent(QEvent::KeyPress, u'Ж', Qt::ShiftModifier, QStringLiteral("Ж")));
        QTRY_COMPARE_WITH_TIMEOUT(edit->text(), QStringLiteral("Ж"), 2000);
    }
}

TEST(KeyReplay, NullOrDestroyedTargetIsHarmless)
{
    const QKeyEvent original(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    replayKey(nullptr, original);
    // A control that goes away before the event loop runs: its keys are
    // dropped, not handed to its parent.
    KeyRecorder parent;
    auto *target = new QLineEdit(&parent);
    replayKey(target, original);
    delete target;
    QTest::qWait(50);
    EXPECT_TRUE(parent.keys.isEmpty());
}
