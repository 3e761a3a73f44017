#pragma once

// The application object of a command-line tool that lays out documents and
// measures fonts: a QGuiApplication on the offscreen platform (never a
// display), made without the warnings Qt prints while it looks for a
// desktop session. Where XDG_RUNTIME_DIR is unset (a root shell, a container,
// a cron job) Qt warns that it is; the tool uses no runtime folder, so a
// run that succeeds prints nothing it was not asked for.

#include <QGuiApplication>

#include <memory>

namespace lumolex::mkdata {

std::unique_ptr<QGuiApplication> makeQuietGuiApplication(int &argc, char **argv);

} // namespace lumolex::mkdata
