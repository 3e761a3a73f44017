#pragma once

// A termination request from outside (SIGTERM, SIGINT, SIGHUP on POSIX
// systems) is taken as a close request of the main window, so that the
// shutdown sequence runs and the settings and history files are written,
// as when the user closes the window. On other systems this does nothing.

class QWidget;

namespace lumolex {

// Installs the signal handlers; each request later closes `window` from the
// event loop. Call once, after the window exists.
void closeOnTerminationRequest(QWidget *window);

} // namespace lumolex
