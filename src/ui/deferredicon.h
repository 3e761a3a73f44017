#pragma once

// An icon whose pictures are made when it is first drawn or measured, then
// kept: pictures drawn in code cost time, and many sit where the first
// window does not show them (menus, the tray icon's animation). Every
// question goes to the made icon, so the icon looks and measures exactly as
// if it had been made at once.

#include <QIcon>

#include <functional>

namespace lumolex {

// `make` runs at most once, at the first question to the icon (or a copy).
QIcon deferredIcon(std::function<QIcon()> make);

} // namespace lumolex
