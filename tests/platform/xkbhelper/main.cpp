// Locks an XKB group from outside the program under test, as another
// program (or the user's group switch key) would: lumolex_xkb_helper GROUP.
#include <xcb/xcb.h>
#define explicit explicit_   // xkb.h names a field "explicit"
#include <xcb/xkb.h>
#undef explicit

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumolex_xkb_helper GROUP\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    xcb_xkb_use_extension_reply_t *reply = xcb_xkb_use_extension_reply(
            connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr);
    const bool supported = reply && reply->supported;
    std::free(reply);
    if (!supported)
        return 1;
    xcb_void_cookie_t cookie = xcb_xkb_latch_lock_state_checked(connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1,
                                                                xcb_xkb_group_t(std::atoi(argv[1])), 0, 0, 0);
    xcb_generic_error_t *error = xcb_request_check(connection, cookie);
    std::free(error);
    xcb_disconnect(connection);
    return error ? 1 : 0;
}
