// The system keyboards behind KeyboardState: XKB on X11 (through the X
// connection Qt already holds), the keyboard functions on Windows, and a
// neutral one elsewhere.

#include "platform/keyboardstate.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#  include <windows.h>
#elif defined(LUMOLEX_HAVE_XCB_XKB) && QT_CONFIG(xcb)
#  define LUMOLEX_XKB 1
#  include <xcb/xcb.h>
// xkb.h names a field "explicit", a C++ keyword.
#  define explicit explicit_
#  include <xcb/xkb.h>
#  undef explicit
#  include <cstdlib>
#endif

namespace lumolex {

namespace {

// Wayland, offscreen, no XKB: nothing is known and nothing switches.
class NeutralKeyboardState : public KeyboardState
{
public:
    std::optional<bool> capsLock() override { return std::nullopt; }
    std::optional<bool> numLock() override { return std::nullopt; }
    QString activeLayout() override { return QString(); }
    void switchLayout(LayoutChoice) override {}
};

#if defined(Q_OS_WIN)

class WindowsKeyboardState : public KeyboardState
{
public:
    std::optional<bool> capsLock() override { return (GetKeyState(VK_CAPITAL) & 1) != 0; }
    std::optional<bool> numLock() override { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }
    QString activeLayout() override
    {
        wchar_t name[KL_NAMELENGTH] = {};
        if (!GetKeyboardLayoutNameW(name))
            return QString();
        return QString::fromWCharArray(name);
    }
    void switchLayout(LayoutChoice choice) override
    {
        if (const auto target = windowsLayoutToLoad(activeLayout(), choice))
            LoadKeyboardLayoutW(reinterpret_cast<const wchar_t *>(target->utf16()), KLF_ACTIVATE);
    }
};

#elif defined(LUMOLEX_XKB)

template <typename T>
struct Reply {
    T *value;
    explicit Reply(T *reply) : value(reply) {}
    ~Reply() { std::free(value); }
    Reply(const Reply &) = delete;
    Reply &operator=(const Reply &) = delete;
    T *operator->() const { return value; }
    explicit operator bool() const { return value != nullptr; }
};

class XkbKeyboardState : public KeyboardState
{
public:
    explicit XkbKeyboardState(xcb_connection_t *connection)
        : m_connection(connection)
    {
        m_capsName = atom("Caps Lock");
        m_numName = atom("Num Lock");
        m_rulesName = atom("_XKB_RULES_NAMES");
        m_string = atom("STRING");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }

    static bool available(xcb_connection_t *connection)
    {
        Reply<xcb_xkb_use_extension_reply_t> reply(xcb_xkb_use_extension_reply(
                connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
                nullptr));
        return reply && reply->supported;
    }

    std::optional<bool> capsLock() override { return indicator(m_capsName); }
    std::optional<bool> numLock() override { return indicator(m_numName); }

    QString activeLayout() override
    {
        const int group = activeGroup();
        return group < 0 ? QString() : groupLayouts().value(group);
    }

    void switchLayout(LayoutChoice choice) override
    {
        const auto group = xkbGroupToLock(groupLayouts(), activeGroup(), choice);
        if (!group)
            return;
        xcb_xkb_latch_lock_state(m_connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1, xcb_xkb_group_t(*group), 0, 0, 0);
        xcb_flush(m_connection);
    }

private:
    xcb_atom_t atom(const char *name) const
    {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
                m_connection, xcb_intern_atom(m_connection, 0, uint16_t(qstrlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::optional<bool> indicator(xcb_atom_t name) const
    {
        if (name == XCB_ATOM_NONE)
            return std::nullopt;
        Reply<xcb_xkb_get_named_indicator_reply_t> reply(xcb_xkb_get_named_indicator_reply(
                m_connection,
                xcb_xkb_get_named_indicator(m_connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                            XCB_XKB_ID_DFLT_XI_ID, name),
                nullptr));
        if (!reply || !reply->found)
            return std::nullopt;
        return reply->on != 0;
    }

    int activeGroup() const
    {
        Reply<xcb_xkb_get_state_reply_t> reply(xcb_xkb_get_state_reply(
                m_connection, xcb_xkb_get_state(m_connection, XCB_XKB_ID_USE_CORE_KBD), nullptr));
        return reply ? int(reply->group) : -1;
    }

    // The layouts of the groups, as the keymap's rules names record them.
    QStringList groupLayouts() const
    {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, m_root, m_rulesName, m_string, 0, 1024), nullptr));
        if (!reply || reply->format != 8)
            return {};
        const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply.value)),
                               xcb_get_property_value_length(reply.value));
        // rules, model, layouts, variants, options; each ends with a NUL.
        const QList<QByteArray> parts = value.split('\0');
        if (parts.size() < 4)
            return {};
        return xkbGroupLayouts(QString::fromLatin1(parts[2]), QString::fromLatin1(parts[3]));
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_capsName = XCB_ATOM_NONE;
    xcb_atom_t m_numName = XCB_ATOM_NONE;
    xcb_atom_t m_rulesName = XCB_ATOM_NONE;
    xcb_atom_t m_string = XCB_ATOM_NONE;
    xcb_window_t m_root = XCB_WINDOW_NONE;
};

#endif

} // namespace

std::unique_ptr<KeyboardState> createSystemKeyboardState()
{
#if defined(Q_OS_WIN)
    return std::make_unique<WindowsKeyboardState>();
#elif defined(LUMOLEX_XKB)
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        xcb_connection_t *connection = x11->connection();
        if (connection && XkbKeyboardState::available(connection))
            return std::make_unique<XkbKeyboardState>(connection);
    }
    return std::make_unique<NeutralKeyboardState>();
#else
    return std::make_unique<NeutralKeyboardState>();
#endif
}

} // namespace lumolex
