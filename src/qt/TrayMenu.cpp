// The tray icon's menu: see TrayMenu.h.
#include "qt/TrayMenu.h"

#include <algorithm>
#include <string_view>

#include "calls/CallerActions.h"
#include "qt/Cp1252.h"
#include "ui/WindowDefinitions.h"

namespace ringlook::qt {

namespace {

void Follow(QAction& copy, const QAction& original) {
  copy.setText(original.text());
  copy.setVisible(original.isVisible());
  copy.setEnabled(original.isEnabled());
}

const auto& kCallerGroup = ui::definitions::main_window::kCallerGroup;

bool InCallerGroup(const QAction& action) {
  const QString name = action.objectName();
  return std::any_of(kCallerGroup.begin(), kCallerGroup.end(),
                     [&name](const ui::definitions::MenuEntry& entry) { return name == QLatin1String(entry.name); });
}

// The caller group's caption, so that the tray says what the list's menu says.
QString CallerGroupCaption(std::string_view name) {
  const auto* entry = std::find_if(kCallerGroup.begin(), kCallerGroup.end(),
                                   [name](const ui::definitions::MenuEntry& e) { return name == e.name; });
  return entry != kCallerGroup.end() ? FromCp1252(entry->caption) : QString();
}

}  // namespace

TrayMenu::TrayMenu(const QMenu& entries, const std::function<void()>& bringUp, const std::function<void()>& close) {
  setObjectName(QStringLiteral("TrayMenu"));
  first_ = addAction(QStringLiteral("Toon Ringlook"));
  connect(first_, &QAction::triggered, this, bringUp);
  addSeparator();
  for (QAction* original : entries.actions()) {
    if (InCallerGroup(*original)) continue;
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

void TrayMenu::SetRecentCallers(const std::vector<calls::RecentCaller>& callers, const Choices& choices) {
  for (QAction* old : callers_) {
    removeAction(old);
    // A caller's own menu takes its entry with it.
    if (old->menu() == nullptr) old->deleteLater();
  }
  callers_.clear();
  for (QMenu* old : callerMenus_) old->deleteLater();
  callerMenus_.clear();
  for (const calls::RecentCaller& caller : callers) {
    // Shown as the list shows a name, with the time of the call.
    auto* entry = new QMenu(FromCp1252(caller.Name, kShownLineLength) + QStringLiteral("  ") +
                                QString::fromLatin1(caller.Time.data(), static_cast<qsizetype>(caller.Time.size())),
                            this);
    connect(entry->addAction(QStringLiteral("&Wijzigen")), &QAction::triggered, this,
            [choices, number = caller.Number] { choices.Edit(number); });
    QAction* callBack = entry->addAction(CallerGroupCaption("CallBack1"));
    callBack->setEnabled(!calls::DialableNumber(caller.Number).empty());
    connect(callBack, &QAction::triggered, this, [choices, number = caller.Number] { choices.CallBack(number); });
    connect(entry->addAction(CallerGroupCaption("PassOn1")), &QAction::triggered, this,
            [choices, caller] { choices.PassOn(caller); });
    insertMenu(first_, entry);
    callerMenus_.push_back(entry);
    callers_.push_back(entry->menuAction());
  }
  if (!callers_.empty()) callers_.push_back(insertSeparator(first_));
}

}  // namespace ringlook::qt
