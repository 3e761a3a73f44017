#include "platform/keycodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace lumolex {

namespace {

// X key codes (evdev + 8) of a standard PC keyboard, from 9 (Escape) up, and
// the virtual key printed on the same key of a US keyboard. Keypad digits and
// the keypad point are 0 here: their code depends on Num Lock, which the Qt
// key of the event tells.
constexpr int kFirstXKeycode = 9;
constexpr int kXKeycodeToVk[] = {
    /*   9 */ VirtualKey::Escape,
    /*  10 */ '1', '2', '3', '4', '5', '6', '7', '8', '9', '0',
    /*  20 */ VirtualKey::OemMinus, VirtualKey::OemPlus, VirtualKey::Back, VirtualKey::Tab,
    /*  24 */ 'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P',
    /*  34 */ VirtualKey::Oem4, VirtualKey::Oem6, VirtualKey::Return, VirtualKey::Control,
    /*  38 */ 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L',
    /*  47 */ VirtualKey::Oem1, VirtualKey::Oem7, VirtualKey::Oem3, VirtualKey::Shift, VirtualKey::Oem5,
    /*  52 */ 'Z', 'X', 'C', 'V', 'B', 'N', 'M',
    /*  59 */ VirtualKey::OemComma, VirtualKey::OemPeriod, VirtualKey::Oem2, VirtualKey::Shift,
    /*  63 */ VirtualKey::Multiply, VirtualKey::Menu, VirtualKey::Space, VirtualKey::Capital,
    /*  67 */ 0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79,   // F1..F10
    /*  77 */ VirtualKey::NumLock, VirtualKey::Scroll,
    /*  79 */ 0, 0, 0, VirtualKey::Subtract,                                 // KP 7 8 9 -
    /*  83 */ 0, 0, 0, VirtualKey::Add,                                      // KP 4 5 6 +
    /*  87 */ 0, 0, 0, 0, 0,                                                 // KP 1 2 3 0 .
    /*  92 */ 0, 0, VirtualKey::Oem102, 0x7A, 0x7B,                          // -, -, <>, F11, F12
    /*  97 */ 0, 0, 0, 0, 0, 0, 0,
    /* 104 */ VirtualKey::Return, VirtualKey::Control, VirtualKey::Divide, VirtualKey::Snapshot,
    /* 108 */ VirtualKey::Menu, 0,
    /* 110 */ VirtualKey::Home, VirtualKey::Up, VirtualKey::Prior, VirtualKey::Left,
    /* 114 */ VirtualKey::Right, VirtualKey::End, VirtualKey::Down, VirtualKey::Next,
    /* 118 */ VirtualKey::Insert, VirtualKey::Delete,
    /* 120 */ 0, 0, 0, 0, 0, 0, 0, VirtualKey::Pause,
    /* 128 */ 0, 0, 0, 0, 0, VirtualKey::LWin, VirtualKey::RWin, VirtualKey::Apps,
};
constexpr int kXKeycodeCount = int(sizeof(kXKeycodeToVk) / sizeof(kXKeycodeToVk[0]));

bool isKeypadKeycode(quint32 xKeycode)
{
    return (xKeycode >= 79 && xKeycode <= 91) || xKeycode == 63 || xKeycode == 104 || xKeycode == 106;
}

// The standard Russian layout: each capital letter (as Qt::Key) and the
// virtual key of the US key that carries it.
struct CyrillicKey { char16_t letter; int vk; };
constexpr CyrillicKey kRussianLayout[] = {
    {u'Й', 'Q'}, {u'Ц', 'W'}, {u'У', 'E'}, {u'К', 'R'}, {u'Е', 'T'}, {u'Н', 'Y'},
    {u'Г', 'U'}, {u'Ш', 'I'}, {u'Щ', 'O'}, {u'З', 'P'}, {u'Х', VirtualKey::Oem4},
    {u'Ъ', VirtualKey::Oem6}, {u'Ф', 'A'}, {u'Ы', 'S'}, {u'В', 'D'}, {u'А', 'F'},
    {u'П', 'G'}, {u'Р', 'H'}, {u'О', 'J'}, {u'Л', 'K'}, {u'Д', 'L'},
    {u'Ж', VirtualKey::Oem1}, {u'Э', VirtualKey::Oem7}, {u'Я', 'Z'}, {u'Ч', 'X'},
    {u'С', 'C'}, {u'М', 'V'}, {u'И', 'B'}, {u'Т', 'N'}, {u'Ь', 'M'},
    {u'Б', VirtualKey::OemComma}, {u'Ю', VirtualKey::OemPeriod}, {u'Ё', VirtualKey::Oem3},
};

int keypadVirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VirtualKey::Numpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return VirtualKey::Multiply;
    case Qt::Key_Plus: return VirtualKey::Add;
    case Qt::Key_Minus: return VirtualKey::Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VirtualKey::Decimal;
    case Qt::Key_Slash: return VirtualKey::Divide;
    case Qt::Key_Enter: return VirtualKey::Return;
    default: return 0;   // navigation keys of the keypad: as the main keys
    }
}

} // namespace

NativeKeySystem currentNativeKeySystem()
{
#ifdef Q_OS_WIN
    return NativeKeySystem::Windows;
#else
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return NativeKeySystem::Xkb;
    return NativeKeySystem::None;
#endif
}

int virtualKeyFromEvent(const QKeyEvent &event)
{
    return virtualKeyFromEvent(event, currentNativeKeySystem());
}

int virtualKeyFromEvent(const QKeyEvent &event, NativeKeySystem system)
{
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (system) {
    case NativeKeySystem::Windows:
        if (event.nativeVirtualKey() != 0)
            return int(event.nativeVirtualKey() & 0xFF);
        break;
    case NativeKeySystem::Xkb:
        if (event.nativeScanCode() != 0 && !isKeypadKeycode(event.nativeScanCode())) {
            if (const int vk = virtualKeyFromXKeycode(event.nativeScanCode()))
                return vk;
        }
        break;
    case NativeKeySystem::None:
        break;
    }
    return virtualKeyFromQtKey(event.key(), keypad);
}

int virtualKeyFromXKeycode(quint32 xKeycode)
{
    if (xKeycode < quint32(kFirstXKeycode) || xKeycode >= quint32(kFirstXKeycode + kXKeycodeCount))
        return 0;
    return kXKeycodeToVk[xKeycode - kFirstXKeycode];
}

int virtualKeyFromQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (const int vk = keypadVirtualKey(qtKey))
            return vk;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;   // the same codes as the virtual keys
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VirtualKey::F1 + (qtKey - Qt::Key_F1);
    for (const CyrillicKey &key : kRussianLayout) {
        if (qtKey == key.letter)
            return key.vk;
    }
    switch (qtKey) {
    case Qt::Key_Backspace: return VirtualKey::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VirtualKey::Tab;
    case Qt::Key_Clear: return VirtualKey::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Return;
    case Qt::Key_Shift: return VirtualKey::Shift;
    case Qt::Key_Control: return VirtualKey::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VirtualKey::Menu;
    case Qt::Key_Pause: return VirtualKey::Pause;
    case Qt::Key_CapsLock: return VirtualKey::Capital;
    case Qt::Key_Escape: return VirtualKey::Escape;
    case Qt::Key_Space: return VirtualKey::Space;
    case Qt::Key_PageUp: return VirtualKey::Prior;
    case Qt::Key_PageDown: return VirtualKey::Next;
    case Qt::Key_End: return VirtualKey::End;
    case Qt::Key_Home: return VirtualKey::Home;
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Right: return VirtualKey::Right;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Print: return VirtualKey::Snapshot;
    case Qt::Key_Insert: return VirtualKey::Insert;
    case Qt::Key_Delete: return VirtualKey::Delete;
    case Qt::Key_Meta: return VirtualKey::LWin;
    case Qt::Key_Menu: return VirtualKey::Apps;
    case Qt::Key_NumLock: return VirtualKey::NumLock;
    case Qt::Key_ScrollLock: return VirtualKey::Scroll;
    // The punctuation keys, by either of their two characters.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VirtualKey::Oem1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return VirtualKey::OemPlus;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VirtualKey::OemComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VirtualKey::OemMinus;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VirtualKey::OemPeriod;
    case Qt::Key_Slash:
    case Qt::Key_Question: return VirtualKey::Oem2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VirtualKey::Oem3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VirtualKey::Oem4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VirtualKey::Oem5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VirtualKey::Oem6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VirtualKey::Oem7;
    // Shifted digits of the US layout.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    default: return 0;
    }
}

bool isTypedLetter(const QString &text)
{
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.isEmpty() || !QChar::isLetter(codePoints.first()))
        return false;
    for (const uint c : codePoints) {
        if (!QChar::isLetter(c) && !QChar::isMark(c))
            return false;
    }
    return true;
}

bool isWordBoxTypingKey(int virtualKey, const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool letterKey = (virtualKey >= 65 && virtualKey <= 122) || (virtualKey >= 192 && virtualKey <= 255);
    return letterKey || isTypedLetter(text);
}

bool isWordBoxTypingKey(const QKeyEvent &event)
{
    return isWordBoxTypingKey(virtualKeyFromEvent(event), event.text(), event.modifiers());
}

} // namespace lumolex
