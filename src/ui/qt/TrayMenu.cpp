// The tray icon's menu: see TrayMenu.h.
#include "ui/qt/TrayMenu.h"

namespace ringlook::qt {

namespace {

void Follow(QAction& copy, const QAction& original) {
  copy.setText(original.text());
  copy.setVisible(original.isVisible());
  copy.setEnabled(original.isEnabled());
}

}  // namespace

TrayMenu::TrayMenu(const QMenu& entries, const std::function<void()>& bringUp, const std::function<void()>& close) {
  setObjectName(QStringLiteral("TrayMenu"));
  connect(addAction(QStringLiteral("Toon Ringlook")), &QAction::triggered, this, bringUp);
  addSeparator();
  for (QAction* original : entries.actions()) {
    QAction* copy = addAction(QString());
    copy->setObjectName(original->objectName());
    copy->setSeparator(original->isSeparator());
    Follow(*copy, *original);
    connect(original, &QAction::changed, copy, [copy, original] { Follow(*copy, *original); });
    connect(copy, &QAction::triggered, original, [original, bringUp] {
      bringUp();
      original->trigger();
    });
  }
  addSeparator();
  connect(addAction(QStringLiteral("Afsluiten")), &QAction::triggered, this, close);
}

}  // namespace ringlook::qt
