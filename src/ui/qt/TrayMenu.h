// The tray icon's menu: "Toon Ringlook", then the main window's context-menu
// entries (shown, hidden and captioned as those are, so Alt+0 shows here too),
// then "Afsluiten", which asks the main window's close question. An entry first
// brings the main window up, since most of them act on it.
#pragma once

#include <QMenu>
#include <functional>

namespace ringlook::qt {

class TrayMenu : public QMenu {
 public:
  TrayMenu(const QMenu& entries, const std::function<void()>& bringUp, const std::function<void()>& close);
};

}  // namespace ringlook::qt
