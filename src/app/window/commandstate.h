#pragma once

// Enabling controls of the main window all at once (EnabledComp) and the
// controls that take no part in it.
//
// A control whose command is not available in this build is marked pending:
// it stays disabled whatever EnabledComp does, so the window never offers a
// command that does nothing. The part of the program that brings the
// command connects its handler and calls setCommandReady().

class QObject;

namespace lumolex {

void markCommandPending(QObject *control);
void setCommandReady(QObject *control);
bool isCommandPending(const QObject *control);

// Controls that are disabled for the whole run (the administration items).
void markAlwaysDisabled(QObject *control);
// Lets EnabledComp enable the control again (a data set that now has what it needs).
void clearAlwaysDisabled(QObject *control);
bool isAlwaysDisabled(const QObject *control);

// The part of EnabledComp that treats all controls alike: sets the enabled
// state of every menu item, button, tool button, check box, edit box, combo
// box, list, grid and rich-text box under `root` (menu items of its menus and
// pop-up menus included). Panels, labels and tool bars are left alone, and so
// are secondary windows under `root` (word cards, dialogs) with everything in
// them.
// Pending and always-disabled controls stay disabled.
void setAllControlsEnabled(QObject *root, bool on);

} // namespace lumolex
