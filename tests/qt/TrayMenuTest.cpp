// The tray icon's menu: the main window's context-menu entries between "Toon
// Ringlook" and "Afsluiten", following them, and bringing the window up first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/qt/QtWindows.h"
#include "ui/qt/TrayMenu.h"

namespace {

using namespace ringlook;

QStringList Entries(const QMenu& menu) {
  QStringList entries;
  for (const QAction* action : menu.actions()) {
    entries << (action->isSeparator() ? QStringLiteral("-") : action->text()) +
                   (action->isVisible() ? QString() : QStringLiteral("|hidden"));
  }
  return entries;
}

QAction& Entry(const QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == text) return *action;
  }
  throw std::runtime_error("no entry " + text.toStdString());
}

TEST(TrayMenuTest, HoldsTheContextMenuEntriesAndBringsTheWindowUpBeforeOne) {
  qt::QtWindows windows;
  std::vector<std::string> happened;
  windows.FormRinglook().Setup1.OnClick = [&] { happened.emplace_back("Setup1Click"); };
  const qt::TrayMenu tray(
      *windows.MainForm().ContextMenu(), [&] { happened.emplace_back("up"); }, [&] { happened.emplace_back("close"); });

  EXPECT_EQ(Entries(tray), (QStringList{"Toon Ringlook", "-", "Zoeken", "-", "Nummer toevoegen|hidden",
                                        "Verwijder nummer|hidden", "-|hidden", "Verstuur bericht", "Toon berichten",
                                        "-", "Instellingen", "-", "Help", "-", "Afsluiten"}));
  // Alt+0 shows the number entries in the window's menu, and so here.
  windows.FormRinglook().Addnumber1.SetVisible(true);
  EXPECT_TRUE(Entry(tray, "Nummer toevoegen").isVisible());

  Entry(tray, "Instellingen").trigger();
  Entry(tray, "Toon Ringlook").trigger();
  Entry(tray, "Afsluiten").trigger();
  EXPECT_EQ(happened, (std::vector<std::string>{"up", "Setup1Click", "up", "close"}));
}

}  // namespace
