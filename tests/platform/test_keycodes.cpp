// Virtual-key codes of key events: the same physical key gives the same code
// on every platform, so the typing ranges 65..122 and 192..255 hold; and the
// keys that are typed again into the word box.
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
    const struct { char16_t letter; quint32 xKeycode; int vk; } keys[] = {
        {u'Ж', 47, 186}, {u'Б', 59, 188}, {u'Ю', 60, 190}, {u'Ё', 49, 192}, {u'Х', 34, 219},
        {u'Ъ', 35, 221}, {u'Э', 48, 222}, {u'Ф', 38, 65},  {u'Я', 52, 90},
    };
    for (const auto &key : keys) {
        SCOPED_TRACE(key.vk);
        const QString text(QChar(key.letter).toLower());
        const QKeyEvent event = xkbEvent(key.letter, key.xKeycode, text);
        const int vk = virtualKeyFromEvent(event, NativeKeySystem::Xkb);
        EXPECT_EQ(vk, key.vk);
        // Every one of them types a letter, inside the ranges or not.
        EXPECT_TRUE(isWordBoxTypingKey(event));
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

TEST(VirtualKeyFromEvent, NativeCodesWinOverTheQtKeyAndTheKeypadFollowsNumLock)
{
    const struct { const char *what; int qtKey; quint32 scan, nativeVk; const char16_t *text;
                   Qt::KeyboardModifiers mods; NativeKeySystem system; int vk; } cases[] = {
        // Keypad 1 (X key code 87): a digit with Num Lock on, End without.
        {"keypad 1", Qt::Key_1, 87, 0, u"1", Qt::KeypadModifier, NativeKeySystem::Xkb, 0x61},
        {"keypad End", Qt::Key_End, 87, 0, u"", Qt::KeypadModifier, NativeKeySystem::Xkb, VirtualKey::End},
        {"keypad +", Qt::Key_Plus, 86, 0, u"+", Qt::KeypadModifier, NativeKeySystem::Xkb, VirtualKey::Add},
        {"keypad Enter", Qt::Key_Enter, 104, 0, u"", Qt::KeypadModifier, NativeKeySystem::Xkb, VirtualKey::Return},
        // Windows: the event's own virtual key.
        {"Windows", Qt::Key_unknown, 0x29, 0xC0, u"", {}, NativeKeySystem::Windows, 192},
        // X11 with a code that says "A" while the layout produced Ф.
        {"X11", u'Ф', 38, 0, u"ф", {}, NativeKeySystem::Xkb, 65},
        // A synthesised event without native code falls back on the Qt key.
        {"synthetic X11", Qt::Key_B, 0, 0, u"b", {}, NativeKeySystem::Xkb, 66},
        {"synthetic Windows", Qt::Key_B, 0, 0, u"b", {}, NativeKeySystem::Windows, 66},
        // From the Qt key alone.
        {"A", Qt::Key_A, 0, 0, u"a", {}, NativeKeySystem::None, 65},
        {"5", Qt::Key_5, 0, 0, u"5", {}, NativeKeySystem::None, '5'},
        {"keypad 5", Qt::Key_5, 0, 0, u"5", Qt::KeypadModifier, NativeKeySystem::None, 0x65},
        {"F11", Qt::Key_F11, 0, 0, u"", {}, NativeKeySystem::None, 0x7A},
        // Both characters of a punctuation key give the key.
        {"[", Qt::Key_BracketLeft, 0, 0, u"[", {}, NativeKeySystem::None, 219},
        {"{", Qt::Key_BraceLeft, 0, 0, u"{", {}, NativeKeySystem::None, 219},
        // A Kildin Saami letter has no place on a standard keyboard.
        {"Kildin letter", 0x04D2, 0, 0, u"Ӓ", {}, NativeKeySystem::None, 0},
        {"unknown", Qt::Key_unknown, 0, 0, u"", {}, NativeKeySystem::None, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.mods, c.scan, c.nativeVk, 0, QString::fromUtf16(c.text));
        EXPECT_EQ(virtualKeyFromEvent(event, c.system), c.vk);
    }
}

TEST(WordBoxTypingKey, LetterKeysByRangeOrByTextWithoutCtrlOrAlt)
{
    const struct { const char *what; int qtKey; quint32 xKeycode; const char *text;
                   Qt::KeyboardModifiers mods; bool typed; } cases[] = {
        // A Russian layout: the letters on the US punctuation keys.
        {"ж on 186", 0x0416, 47, "ж", {}, true},
        {"Б on 188", 0x0411, 59, "Б", Qt::ShiftModifier, true},
        {"ю on 190", 0x042E, 60, "ю", {}, true},
        // Kildin letters of a Saami layout, on no key of a US keyboard.
        {"Kildin ӓ", 0x04D2, 0, "ӓ", {}, true},
        {"Kildin ҏ", 0x048E, 0, "ҏ", {}, true},
        {"letter with a combining mark", Qt::Key_unknown, 0, "е\u0308", {}, true},
        // The same keys on a US layout type punctuation: they stay.
        {"; on 186", Qt::Key_Semicolon, 47, ";", {}, false},
        {", on 188", Qt::Key_Comma, 59, ",", {}, false},
        // Inside the ranges the key code alone is enough.
        {"A", Qt::Key_A, 38, "a", {}, true},
        {"` on 192", Qt::Key_QuoteLeft, 49, "`", {}, true},
        // Ctrl or Alt: a command, not typing.
        {"Ctrl+ж", 0x0416, 47, "ж", Qt::ControlModifier, false},
        {"Alt+ӓ", 0x04D2, 0, "ӓ", Qt::AltModifier, false},
        {"Ctrl+A", Qt::Key_A, 38, "a", Qt::ControlModifier, false},
        // Digits, list keys and marks alone are not letters.
        {"1", Qt::Key_1, 10, "1", {}, false},
        {"Down", Qt::Key_Down, 116, "", {}, false},
        {"a lone combining mark", Qt::Key_unknown, 0, "\u0308", {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QKeyEvent event = xkbEvent(c.qtKey, c.xKeycode, QString::fromUtf8(c.text), c.mods);
        EXPECT_EQ(isWordBoxTypingKey(virtualKeyFromEvent(event, NativeKeySystem::Xkb), event.text(), c.mods), c.typed);
    }
}

TEST(WordBoxTypingKey, KeyCodeRangesWithoutText)
{
    for (int vk = 0; vk < 300; ++vk) {
        const bool expected = (vk >= 65 && vk <= 122) || (vk >= 192 && vk <= 255);
        EXPECT_EQ(isWordBoxTypingKey(vk, QString(), Qt::ShiftModifier), expected) << vk;
    }
    EXPECT_FALSE(isWordBoxTypingKey(65, QString(), Qt::AltModifier));
}
