// Roles that the platform's accessibility does not give our own widgets by
// itself. A plain widget would be an unnamed "filler": a top-level one (the main
// window, the help window) is exposed as a window named by its current caption,
// whether minimised or not; the status bar with the status-bar role; a panel
// as a panel (Qt makes a QFrame a window frame inside the window).
// Installed by QtWindows before the first window is built.
#pragma once

namespace ringlook::qt {

void InstallAccessibleRoles();

}  // namespace ringlook::qt
