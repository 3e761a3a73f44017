#pragma once

// Windows virtual-key codes for key events on every platform.
//
// Some keyboard rules are defined by virtual-key ranges (letters typed in the
// word list go to the word box: 65..122 and 192..255, and any other key that
// types a letter). To make the ranges hold everywhere, a key event is mapped
// to the virtual-key code of the same physical key, as the key is labelled on
// a US keyboard:
//  - Windows: the event's own nativeVirtualKey();
//  - X11 and Wayland (xkb): from nativeScanCode(), the X key code (= evdev
//    code + 8), through a table of the standard PC keyboard;
//  - otherwise, or when the event carries no native code: from Qt::Key, with
//    the letters of the standard Russian layout placed on their US keys
//    (Ж -> 186, Б -> 188, Ю -> 190, Ё -> 192, Х -> 219, Ъ -> 221, Э -> 222).
// 0 means "no known key".

#include <QString>
#include <QtGlobal>

class QKeyEvent;

namespace lumolex {

namespace VirtualKey {
enum : int {
    Back = 0x08, Tab = 0x09, Clear = 0x0C, Return = 0x0D, Shift = 0x10, Control = 0x11,
    Menu = 0x12, Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20,
    Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
    Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28,
    Snapshot = 0x2C, Insert = 0x2D, Delete = 0x2E,
    LWin = 0x5B, RWin = 0x5C, Apps = 0x5D,
    Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D, Decimal = 0x6E, Divide = 0x6F,
    F1 = 0x70, F24 = 0x87, NumLock = 0x90, Scroll = 0x91,
    Oem1 = 0xBA,       // ;:  (Russian Ж)
    OemPlus = 0xBB,    // =+
    OemComma = 0xBC,   // ,<  (Russian Б)
    OemMinus = 0xBD,   // -_
    OemPeriod = 0xBE,  // .>  (Russian Ю)
    Oem2 = 0xBF,       // /?
    Oem3 = 0xC0,       // `~  (Russian Ё)
    Oem4 = 0xDB,       // [{  (Russian Х)
    Oem5 = 0xDC,       // \|
    Oem6 = 0xDD,       // ]}  (Russian Ъ)
    Oem7 = 0xDE,       // '"  (Russian Э)
    Oem102 = 0xE2,     // the extra key left of Z on 102-key keyboards
};
}

// Where the native key code of an event comes from.
enum class NativeKeySystem {
    Windows,   // nativeVirtualKey() is the virtual-key code
    Xkb,       // nativeScanCode() is an X key code (X11, Wayland)
    None,      // no usable native code (offscreen, other platforms)
};

// The native key system of the running platform.
NativeKeySystem currentNativeKeySystem();

// The virtual-key code of the physical key of the event, on this platform.
int virtualKeyFromEvent(const QKeyEvent &event);
// The same with the native key system given (tests, replayed events).
int virtualKeyFromEvent(const QKeyEvent &event, NativeKeySystem system);

// The building blocks: an X key code of a PC keyboard (0 when unknown or when
// the key is a keypad key, whose code depends on Num Lock), and a Qt key.
int virtualKeyFromXKeycode(quint32 xKeycode);
int virtualKeyFromQtKey(int qtKey, bool keypad);

// True for a key that is typed again into the word box when it is pressed in
// the word list or the article view: no Ctrl and no Alt, and either its
// virtual-key code lies in 65..122 or 192..255, or its text is a letter. The
// ranges alone would lose letters: on a Russian layout Ж, Б and Ю sit on keys
// 186, 188 and 190, and a Kildin letter may have no key code at all.
bool isWordBoxTypingKey(int virtualKey, const QString &text, Qt::KeyboardModifiers modifiers);
// The same for a key event, with its virtual-key code on this platform.
bool isWordBoxTypingKey(const QKeyEvent &event);

// True when text is one letter as typed: a letter, possibly followed by
// further letters or combining marks (a letter and its diacritic).
bool isTypedLetter(const QString &text);

} // namespace lumolex
