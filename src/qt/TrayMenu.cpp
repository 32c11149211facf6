// The tray icon's menu: see TrayMenu.h.
#include "qt/TrayMenu.h"

#include "qt/Cp1252.h"

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
  first_ = addAction(QStringLiteral("Toon Ringlook"));
  connect(first_, &QAction::triggered, this, bringUp);
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

void TrayMenu::SetRecentCallers(const std::vector<calls::RecentCaller>& callers,
                                const std::function<void(const std::string& number)>& chose) {
  for (QAction* old : callers_) {
    removeAction(old);
    old->deleteLater();
  }
  callers_.clear();
  for (const calls::RecentCaller& caller : callers) {
    // Shown as the list shows a name, with the time of the call.
    auto* entry = new QAction(FromCp1252(caller.Name, kShownLineLength) + QStringLiteral("  ") +
                                  QString::fromLatin1(caller.Time.data(), static_cast<qsizetype>(caller.Time.size())),
                              this);
    connect(entry, &QAction::triggered, this, [chose, number = caller.Number] { chose(number); });
    insertAction(first_, entry);
    callers_.push_back(entry);
  }
  if (!callers_.empty()) callers_.push_back(insertSeparator(first_));
}

}  // namespace ringlook::qt
