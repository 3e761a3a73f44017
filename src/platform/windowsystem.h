#pragma once

// What the window system lets a program do with its top-level windows.
//
// X11 and Windows let the program make a window translucent, keep it above
// other windows and put it at a chosen place. A Wayland compositor keeps all
// three to itself: a window cannot learn or choose its position, and there
// is no request for opacity or for the band of windows kept on top. Under
// Wayland those commands are disabled with a hint that says why, and stored
// positions are neither applied nor overwritten.

#include <QString>

namespace lumolex {

struct WindowSystemAbilities {
    bool opacity = true;      // setWindowOpacity is carried out
    bool staysOnTop = true;   // Qt::WindowStaysOnTopHint is carried out
    bool placement = true;    // move() places a top-level window, pos() tells where it is

    // By the name of Qt's platform plugin ("xcb", "wayland", "wayland-egl",
    // "windows", "offscreen"...).
    static WindowSystemAbilities forPlatform(const QString &platformName);
    // For the running application's platform.
    static WindowSystemAbilities current();
};

// The hints of the disabled commands.
QString opacityUnavailableHint();
QString staysOnTopUnavailableHint();

} // namespace lumolex
