// A context-menu item on QAction; separators are items too, so they can be
// hidden with the entries they belong to.
#pragma once

#include <QAction>

#include "ui/MenuItem.h"

namespace ringlook::qt {

class QtMenuItem : public QAction, public ui::MenuItem {
 public:
  // An empty caption makes a separator.
  QtMenuItem(QObject* parent, const QString& caption);

  [[nodiscard]] bool Visible() const override { return isVisible(); }
  void SetVisible(bool visible) override { setVisible(visible); }
  [[nodiscard]] bool Enabled() const override { return isEnabled(); }
  void SetEnabled(bool enabled) override { setEnabled(enabled); }
};

}  // namespace ringlook::qt
