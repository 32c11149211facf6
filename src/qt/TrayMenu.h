// The tray icon's menu: today's last callers (choosing one opens its entry),
// "Toon Ringlook", then the main window's context-menu entries (shown, hidden
// and captioned as those are, so Alt+0 shows here too), then "Afsluiten", which
// asks the main window's close question. A context-menu entry first brings the
// main window up, since most of them act on it.
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

  // The callers listed at the top, newest first; chosen raises chose with the number.
  void SetRecentCallers(const std::vector<calls::RecentCaller>& callers,
                        const std::function<void(const std::string& number)>& chose);

 private:
  QAction* first_ = nullptr;
  std::vector<QAction*> callers_;
};

}  // namespace ringlook::qt
