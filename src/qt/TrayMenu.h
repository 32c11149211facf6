// The tray icon's menu: today's last callers (each with "Wijzigen",
// "Terugbellen" and "Doorgeven..."), "Toon Ringlook", then the main window's
// context-menu entries but its caller group, which works on a line of the
// list (shown, hidden and captioned as those are, so Alt+0 shows here too),
// then "Afsluiten", which asks the main window's close question. A
// context-menu entry first brings the main window up, since most of them act on it.
#pragma once

#include <QMenu>
#include <functional>
#include <string>
#include <vector>

#include "ui/Application.h"

namespace ringlook::qt {

class TrayMenu : public QMenu {
 public:
  TrayMenu(const QMenu& entries, const std::function<void()>& bringUp, const std::function<void()>& close);

  struct Choices {
    std::function<void(const std::string& number)> Edit;
    std::function<void(const std::string& number)> CallBack;
    std::function<void(const calls::RecentCaller& caller)> PassOn;
  };
  // The callers listed at the top, newest first, each a menu of the three choices.
  void SetRecentCallers(const std::vector<calls::RecentCaller>& callers, const Choices& choices);

 private:
  QAction* first_ = nullptr;
  std::vector<QAction*> callers_;
  std::vector<QMenu*> callerMenus_;
};

}  // namespace ringlook::qt
