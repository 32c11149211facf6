// The tray icon's menu: today's last callers, then the main window's
// context-menu entries between "Toon Ringlook" and "Afsluiten", following
// them, and bringing the window up first; its tool tip names the last caller.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qt/QtApplication.h"
#include "qt/QtClock.h"
#include "qt/QtWindows.h"
#include "qt/TrayMenu.h"

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

  EXPECT_EQ(Entries(tray),
            (QStringList{"Toon Ringlook", "-", "Zoeken", "-", "Nummer toevoegen|hidden", "Verwijder nummer|hidden",
                         "-|hidden", "Verstuur bericht", "Toon berichten", "-", "Instellingen", "-", "Help", "-",
                         QString::fromUtf8("&Lijst opslaan\u2026"), "-", "Afsluiten"}));
  // Alt+0 shows the number entries in the window's menu, and so here.
  windows.FormRinglook().Addnumber1.SetVisible(true);
  EXPECT_TRUE(Entry(tray, "Nummer toevoegen").isVisible());

  Entry(tray, "Instellingen").trigger();
  Entry(tray, "Toon Ringlook").trigger();
  Entry(tray, "Afsluiten").trigger();
  EXPECT_EQ(happened, (std::vector<std::string>{"up", "Setup1Click", "up", "close"}));
}

TEST(TrayMenuTest, ListsTodaysLastCallersEachToEditCallBackOrPassOn) {
  qt::QtWindows windows;
  qt::QtClock clock;
  qt::QtApplication application(windows.MainForm(), clock);
  std::vector<std::string> happened;
  application.OnEditCall = [&happened](const std::string& number) { happened.push_back("edit " + number); };
  application.OnCallBack = [&happened](const std::string& number) { happened.push_back("call " + number); };
  application.OnPassOn = [&happened](const calls::RecentCaller& caller) {
    happened.push_back("pass " + caller.Name + " " + caller.Number + " " + caller.Time);
  };
  application.SetTitle("Ringlook");
  application.ShowRecentCallers({{"Bakkerij De Korenaar", "0384211234", "9:05"}, {"Jansen", "0612345678", "8:50"}});
  application.ShowRecentCallers({{"Caf\xe9 De Zwaan", "0572351122", "9:12"},
                                 {"Bakkerij De Korenaar", "0384211234", "9:05"},
                                 {"Jansen", "0612345678", "8:50"}});
  const QMenu& tray = application.Menu();
  const QStringList entries = Entries(tray);
  EXPECT_EQ(entries.mid(0, 5), (QStringList{QString::fromUtf8("Caf\u00e9 De Zwaan  9:12"), "Bakkerij De Korenaar  9:05",
                                            "Jansen  8:50", "-", "Toon Ringlook"}));
  EXPECT_EQ(entries.last(), "Afsluiten");
  EXPECT_EQ(application.TrayIcon().toolTip(), QString::fromUtf8("Ringlook\nLaatste beller: Caf\u00e9 De Zwaan  9:12"));

  application.Menu().popup(QPoint(10, 10));
  EXPECT_TRUE(tray.isVisible());
  const QMenu& jansen = *Entry(tray, "Jansen  8:50").menu();
  EXPECT_EQ(Entries(jansen), (QStringList{"&Wijzigen", "&Terugbellen", QString::fromUtf8("&Doorgeven\u2026")}));
  for (QAction* choice : jansen.actions()) choice->trigger();
  EXPECT_EQ(happened, (std::vector<std::string>{"edit 0612345678", "call 0612345678", "pass Jansen 0612345678 8:50"}));
}

}  // namespace
