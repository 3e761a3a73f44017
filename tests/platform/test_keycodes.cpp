// Virtual-key codes of key events: the same physical key gives the same code
// on every platform, so the typing ranges 65..122 and 192..255 hold.
#include "platform/keycodes.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

using namespace lumolex;

namespace {

QKeyEvent xkbEvent(int qtKey, quint32 xKeycode, const QString &text = QString(),
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, xKeycode, 0, 0, text);
}

} // namespace

TEST(VirtualKeyFromEvent, LetterKeysOfAllThreeRowsFromXKeycodes)
{
    // Top, middle and bottom letter rows of a PC keyboard as X key codes.
    const struct { quint32 first; const char *letters; } rows[] = {
        {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto &row : rows) {
        for (int i = 0; row.letters[i]; ++i) {
            const int letter = row.letters[i];
            // The Qt key is what the layout produced; the code follows the key.
            const QKeyEvent event = xkbEvent(Qt::Key_unknown, row.first + i);
            EXPECT_EQ(virtualKeyFromEvent(event, NativeKeySystem::Xkb), letter) << char(letter);
        }
    }
}

TEST(VirtualKeyFromEvent, RussianLayoutPunctuationKeysFromXKeycodes)
{
    // Russian letters on the US punctuation keys: the code of the US key.
    const struct { char16_t letter; quint32 xKeycode; int vk; bool typed; } keys[] = {
        {u'Ж', 47, 186, false}, {u'Б', 59, 188, false}, {u'Ю', 60, 190, false},
        {u'Ё', 49, 192, true},  {u'Х', 34, 219, true},  {u'Ъ', 35, 221, true},
        {u'Э', 48, 222, true},  {u'Ф', 38, 65, true},   {u'Я', 52, 90, true},
    };
    for (const auto &key : keys) {
        SCOPED_TRACE(key.vk);
        const QString text(QChar(key.letter).toLower());
        const QKeyEvent event = xkbEvent(key.letter, key.xKeycode, text);
        const int vk = virtualKeyFromEvent(event, NativeKeySystem::Xkb);
        EXPECT_EQ(vk, key.vk);
        EXPECT_EQ(isWordBoxTypingKey(vk), key.typed);
        // Without a native code the Qt key gives the same answer.
        const QKeyEvent plain(QEvent::KeyPress, key.letter, Qt::NoModifier, text);
        EXPECT_EQ(virtualKeyFromEvent(plain, NativeKeySystem::None), key.vk);
    }
}

TEST(VirtualKeyFromEvent, NavigationKeysAndTheEdgesOfTheTable)
{
    // The word box forwards these to the word list by their codes.
    EXPECT_EQ(virtualKeyFromXKeycode(111), VirtualKey::Up);
    EXPECT_EQ(virtualKeyFromXKeycode(117), VirtualKey::Next);
    EXPECT_EQ(virtualKeyFromXKeycode(110), VirtualKey::Home);
    EXPECT_EQ(virtualKeyFromXKeycode(96), 0x7B);   // F12, after the keypad block
    EXPECT_EQ(virtualKeyFromXKeycode(9), VirtualKey::Escape);
    EXPECT_EQ(virtualKeyFromXKeycode(135), VirtualKey::Apps);
    for (quint32 outside : {0u, 8u, 136u, 0xFFFFFFFFu})
        EXPECT_EQ(virtualKeyFromXKeycode(outside), 0) << outside;
}

TEST(VirtualKeyFromEvent, KeypadFollowsNumLock)
{
    // Keypad 1 (X key code 87): a digit with Num Lock on, End without.
    const QKeyEvent digit = xkbEvent(Qt::Key_1, 87, QStringLiteral("1"), Qt::KeypadModifier);
    EXPECT_EQ(virtualKeyFromEvent(digit, NativeKeySystem::Xkb), 0x61);
    const QKeyEvent end = xkbEvent(Qt::Key_End, 87, QString(), Qt::KeypadModifier);
    EXPECT_EQ(virtualKeyFromEvent(end, NativeKeySystem::Xkb), VirtualKey::End);
    const QKeyEvent plus = xkbEvent(Qt::Key_Plus, 86, QStringLiteral("+"), Qt::KeypadModifier);
    EXPECT_EQ(virtualKeyFromEvent(plus, NativeKeySystem::Xkb), VirtualKey::Add);
    const QKeyEvent enter = xkbEvent(Qt::Key_Enter, 104, QString(), Qt::KeypadModifier);
    EXPECT_EQ(virtualKeyFromEvent(enter, NativeKeySystem::Xkb), VirtualKey::Return);
}

TEST(VirtualKeyFromEvent, QtKeyFallback)
{
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_A, false), 65);
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_5, false), '5');
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_5, true), 0x65);
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_F11, false), 0x7A);
    // Both characters of a punctuation key give the key.
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_BracketLeft, false), 219);
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_BraceLeft, false), 219);
    // A Kildin Saami letter has no place on a standard keyboard.
    EXPECT_EQ(virtualKeyFromQtKey(0x04D2, false), 0);
    EXPECT_EQ(virtualKeyFromQtKey(Qt::Key_unknown, false), 0);
}

TEST(VirtualKeyFromEvent, NativeCodesWinOverTheQtKey)
{
    // Windows: the event's own virtual key.
    const QKeyEvent windows(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, 0x29, 0xC0, 0);
    EXPECT_EQ(virtualKeyFromEvent(windows, NativeKeySystem::Windows), 192);
    // X11 with a code that says "A" while the layout produced Ф.
    const QKeyEvent x11 = xkbEvent(u'Ф', 38, QStringLiteral("ф"));
    EXPECT_EQ(virtualKeyFromEvent(x11, NativeKeySystem::Xkb), 65);
    // A synthesised event without native code falls back on the Qt key.
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    EXPECT_EQ(virtualKeyFromEvent(synthetic, NativeKeySystem::Xkb), 66);
    EXPECT_EQ(virtualKeyFromEvent(synthetic, NativeKeySystem::Windows), 66);
}

TEST(VirtualKeyFromEvent, WordBoxTypingRanges)
{
    for (int vk = 0; vk < 300; ++vk) {
        const bool expected = (vk >= 65 && vk <= 122) || (vk >= 192 && vk <= 255);
        EXPECT_EQ(isWordBoxTypingKey(vk), expected) << vk;
    }
}
