// The context menu's caller group and "Lijst opslaan..." on the in-memory
// windows: the line taken when the menu opened, the desktop without a program
// for the call address, passing a call on, the two read-only settings.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "calls/CallerLine.h"
#include "settings/SettingsValues.h"

namespace ringlook {
namespace {

std::string Line(const std::string& name, const std::string& detail, const std::string& number) {
  return calls::FormatCallerRecord(name + "^0^" + detail + "^" + number + "^1^");
}

struct CallerMenu : testing::MainWindowHarness {
  explicit CallerMenu(SettingsStore* storeOverride = nullptr) : MainWindowHarness(storeOverride) {
    setupControls.Edit2.SetText("Jan");
    Connect();
    w.ListBox1.Add(Line("Bakkerij De Korenaar", "lijn 2 9:05", "020 123 4567"));
    w.ListBox1.Add(Line("Onbekend", "lijn 1 9:07", ""));
  }
  // How many of the group's five items show: all or none.
  [[nodiscard]] int GroupShown() const {
    return w.CallBack1.Visible() + w.LookUp1.Visible() + w.PassOn1.Visible() + w.CopyNumber1.Visible() + w.N5.Visible();
  }

  ui::MemoryFormRinglook& w = mainControls;
};

TEST(CallerGroup, ARightClickTakesItsLineAndEachActionWorksOnThatLine) {
  CallerMenu h;
  h.loop.RunFor(60000);
  h.w.ListBox1.OnPopup(0);
  EXPECT_EQ(h.w.ListBox1.ItemIndex(), 0);
  EXPECT_EQ(h.w.Timer2.Due(), h.loop.Tick() + 240000) << "the right click counts as a click in the list";
  EXPECT_EQ(h.GroupShown(), 5);
  // A call arrives while the menu is open: the actions keep the line clicked.
  h.w.ListBox1.Insert(0, Line("Garage Smit", "lijn 1", "0301111111"));
  h.w.CallBack1.Click();
  h.w.LookUp1.Click();
  h.w.CopyNumber1.Click();
  EXPECT_EQ(h.app.Called(), std::vector<std::string>{"tel:0201234567"});
  EXPECT_EQ(h.app.OpenedAddresses(), std::vector<std::string>{"https://duckduckgo.com/?q=0201234567"});
  EXPECT_EQ(h.app.Clipboard(), "020 123 4567");

  for (const int elsewhere : {2, -1}) {  // "Onbekend", now third, has no number; outside the list
    h.w.ListBox1.OnPopup(elsewhere);
    EXPECT_EQ(h.GroupShown(), 0) << elsewhere;
    EXPECT_TRUE(h.w.SaveList1.Visible() && h.w.SaveList1.Enabled());
  }
}

TEST(CallerGroup, WithoutAProgramForTheSchemeTheUserIsTold) {
  CallerMenu h;
  h.app.SetCallSchemes({});
  h.w.ListBox1.OnPopup(0);
  h.w.CallBack1.Click();
  ASSERT_EQ(h.app.Boxes().size(), 1U);
  EXPECT_NE(h.app.Boxes()[0].text.find("tel:-adressen"), std::string::npos) << h.app.Boxes()[0].text;
  EXPECT_TRUE(h.app.Called().empty());
}

TEST(CallerGroup, DoorgevenFillsTheSendDialogAfterItsResetAndIsDisabledWhileItIsOpen) {
  CallerMenu h;
  h.socket.ClearSent();
  bool disabledWhileOpen = false;
  h.sentMSGControls.Self.WhenShownModal([&](ui::MemoryForm&) {
    h.w.ListBox1.OnPopup(0);
    disabledWhileOpen = !h.w.PassOn1.Enabled();
    h.app.OnPassOn({"Garage Smit", "0301111111", "9:10"});
  });
  h.w.ListBox1.OnPopup(0);
  h.w.PassOn1.Click();
  EXPECT_EQ(h.socket.Sent(), std::vector<std::string>{"NAMELIST^"});
  EXPECT_EQ(h.sentMSGControls.Memo1.Text(),
            "Gebeld door Bakkerij De Korenaar, 020 123 4567 (lijn 2 9:05): graag terugbellen.");
  EXPECT_TRUE(disabledWhileOpen);
  h.sentMSGControls.Self.Close(ui::ModalResult::Cancel);
  h.app.OnPassOn({"Garage Smit", "0301111111", "9:10"});
  EXPECT_EQ(h.sentMSGControls.Memo1.Text(), "Gebeld door Garage Smit, 0301111111 (9:10): graag terugbellen.");
}

TEST(CallerGroup, TheTemplatesAreReadOnlyAndAWrongOneGivesWayOrIsIgnored) {
  settings::MemorySettingsStore store;
  store.Store(settings::kSettingsKey, "ServerIp", settings::StoredValue::OfString("192.168.1.10"));
  store.Store(settings::kSettingsKey, "Popup", settings::StoredValue::OfInteger(0));
  store.Store(settings::kSettingsKey, "calladdress", settings::StoredValue::OfInteger(7));
  store.Store(settings::kSettingsKey, "LookupAddress", settings::StoredValue::OfString("ftp://x.nl/%s"));
  CallerMenu h(&store);
  h.w.Self.Show();
  EXPECT_TRUE(h.app.Boxes().empty()) << "the reading goes on";
  EXPECT_EQ(h.main.Stored().CallAddress, "tel:%s");
  h.w.ListBox1.OnPopup(0);
  EXPECT_TRUE(h.w.CallBack1.Enabled());
  EXPECT_FALSE(h.w.LookUp1.Enabled());
  EXPECT_NE(std::find_if(h.log.begin(), h.log.end(),
                         [](const std::string& line) { return line.find("LookupAddress") != std::string::npos; }),
            h.log.end());
  h.main.SchrijfReg();
  store.OpenKey(settings::kSettingsKey);
  EXPECT_EQ(store.ReadInteger("CallAddress"), 7) << "never written";
  EXPECT_EQ(store.ReadString("LookupAddress"), "ftp://x.nl/%s");
}

TEST(SaveList, SavesWhatTheListShowsOrSaysWhyNot) {
  CallerMenu h;
  h.w.SaveList1.Click();
  EXPECT_NE(h.app.SavedBytes().find("Bakkerij De Korenaar;;lijn 2 9:05;020 123 4567\r\n"), std::string::npos);
  h.app.SetSaveResult(ui::SaveResult::Cancelled);
  h.w.SaveList1.Click();
  EXPECT_TRUE(h.app.Boxes().empty());
  h.app.SetSaveResult(ui::SaveResult::Failed);
  h.w.SaveList1.Click();
  ASSERT_EQ(h.app.Boxes().size(), 1U);
  EXPECT_EQ(h.app.Boxes()[0].kind, ui::MessageKind::Error);
}

}  // namespace
}  // namespace ringlook
