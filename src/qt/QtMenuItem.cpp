// Context-menu item: see QtMenuItem.h.
#include "qt/QtMenuItem.h"

namespace ringlook::qt {

QtMenuItem::QtMenuItem(QObject* parent, const QString& caption) : QAction(caption, parent) {
  setSeparator(caption.isEmpty());
  QObject::connect(this, &QAction::triggered, [this] {
    if (OnClick) OnClick();
  });
}

}  // namespace ringlook::qt
