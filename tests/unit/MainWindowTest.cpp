// The main window's first activation, keys, timers and close, and the settings
// dialog's opening and closing steps, on the manual clock with a scripted or an
// in-memory store.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "MainWindowHarness.h"
#include "common/Error.h"

namespace ringlook {
namespace {

using ::testing::_;
using ::testing::InSequence;
using testing::MainWindowHarness;
using ::testing::Return;
using ::testing::Throw;

// A store holding a complete set of settings.
void StoreSettings(testing::MockSettingsStore& store, const std::string& server, const std::string& x = "300",
                   const std::string& y = "200") {
  ON_CALL(store, ReadString(_)).WillByDefault(Return(std::string()));
  ON_CALL(store, ReadString(std::string_view("ServerIp"))).WillByDefault(Return(server));
  ON_CALL(store, ReadString(std::string_view("Server2"))).WillByDefault(Return(" 10.0.0.2 "));
  ON_CALL(store, ReadString(std::string_view("NickName"))).WillByDefault(Return(" Jan "));
  ON_CALL(store, ReadString(std::string_view("X"))).WillByDefault(Return(x));
  ON_CALL(store, ReadString(std::string_view("Y"))).WillByDefault(Return(y));
  ON_CALL(store, ReadInteger(std::string_view("Popup"))).WillByDefault(Return(1));
}

TEST(FirstActivation, ReadsTheSettingsConnectsPlacesAndMinimises) {
  MainWindowHarness h;
  StoreSettings(h.mockStore, "192.168.1.10");
  ON_CALL(h.mockAutostart, Exists()).WillByDefault(Return(true));
  h.mainControls.Self.Show();
  EXPECT_EQ(h.mainControls.Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(h.app.Title(), "Ringlook");
  EXPECT_EQ(h.setupControls.Edit1.Text(), "192.168.1.10");
  EXPECT_EQ(h.setupControls.Edit2.Text(), " Jan ");
  EXPECT_TRUE(h.setupControls.CheckBox1.Checked());
  EXPECT_TRUE(h.setupControls.CheckBox2.Checked());
  EXPECT_EQ(h.main.Stored().Server2, " 10.0.0.2 ");
  EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Connecting);
  EXPECT_EQ(h.socket.AttemptTarget(), "192.168.1.10");
  EXPECT_TRUE(h.socket.Host().empty()) << "at start-up only the address is set";
  EXPECT_EQ(h.mainControls.Self.Top(), 200);
  EXPECT_EQ(h.mainControls.Self.Left(), 300);
  EXPECT_TRUE(h.mainControls.Self.SizeFrozen());
  EXPECT_TRUE(h.app.Minimized());
  EXPECT_EQ(h.mainControls.Button1.Left(), 525 - (49 + 35));
  // Later activations do nothing.
  h.mainControls.Self.Activate();
  EXPECT_EQ(h.mainControls.Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(h.socket.Attempts(), 1);
}

// A position that is not a number, or whose title bar is on none of the
// desktop's screens, goes back to 155, 125 at the first activation, and when
// the monitor it was on has gone and the program brings it up.
TEST(FirstActivation, ABadPositionOrAWindowOffEveryScreenComesBackOnOne) {
  const ui::Rect laptop{0, 0, 1280, 770};
  const ui::Rect leftMonitor{-1920, 0, 1920, 1050};
  struct Case {
    const char* what;
    std::function<void(MainWindowHarness&)> bringUp;
    const char* x = "-1500";
    const char* y = "300";
    bool screensKnown = true;  // else the desktop places it, and only the fallback moves it
  };
  for (const Case& c : std::initializer_list<Case>{
           {"stored off every screen", nullptr, "3000", "2000"},
           {"y not a number", nullptr, "100", "abc", false},
           {"x not a number", nullptr, "abc", "100", false},
           {"neither stored", nullptr, "", "", false},
           {"its screen goes away", [](MainWindowHarness& h) { h.app.OnScreensChanged(); }},
           {"the connection closes", [](MainWindowHarness& h) { h.socket.CloseByPeer(); }},
           {"a call pops it up", [](MainWindowHarness& h) { h.main.Dispatch("NIEUW^Jansen^0^^0612345678^3^"); }},
           {"a notification is clicked", [](MainWindowHarness& h) { h.app.OnShowCall("0612345678"); }},
       }) {
    SCOPED_TRACE(c.what);
    MainWindowHarness h;
    StoreSettings(h.mockStore, "192.168.1.10", c.x, c.y);
    if (c.screensKnown) h.app.SetScreens({laptop, leftMonitor});
    h.mainControls.Self.Show();
    if (c.bringUp) {
      EXPECT_EQ(h.mainControls.Self.Left(), -1500) << "kept on the monitor to the left while it is there";
      h.socket.AcceptConnection();
      h.app.SetScreens({laptop});
      c.bringUp(h);
    }
    EXPECT_EQ(h.mainControls.Self.Left(), 155);
    EXPECT_EQ(h.mainControls.Self.Top(), 125);
  }
}

TEST(FirstActivation, WithoutAServerTheDialogComesFirstAndItsClosingConnects) {
  MainWindowHarness h;
  StoreSettings(h.mockStore, "");
  EXPECT_CALL(h.mockStore, ReadString(_)).Times(::testing::AnyNumber());
  EXPECT_CALL(h.mockStore, ReadInteger(_)).Times(0);
  EXPECT_CALL(h.mockStore, ReadString(std::string_view("NickName"))).Times(0);
  h.setupControls.Self.WhenShownModal([&](ui::MemoryForm& dialog) {
    h.setupControls.Edit1.SetText("  server.lan  ");
    dialog.Close(ui::ModalResult::Ok);
  });
  h.mainControls.Self.Show();
  EXPECT_EQ(h.setupControls.Self.ModalShowings(), 1);
  EXPECT_EQ(h.setupControls.Edit1.Text(), "server.lan") << "the field shows the trimmed address";
  EXPECT_EQ(h.socket.Host(), "server.lan");
  EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Resolving);
  EXPECT_TRUE(h.app.Minimized()) << "the rest of the activation follows the dialog";
}

// On the in-memory store, whose names are found without regard to case.
TEST(FirstActivation, AMissingOrWronglyTypedValueStopsTheReadingAndShowsTheError) {
  struct Case {
    std::optional<settings::StoredValue> popup;
    const char* error;
  };
  const Case cases[] = {{settings::StoredValue::OfString("1"), "Invalid data type for 'Popup'"},
                        {std::nullopt, "Failed to get data for 'Popup'"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    settings::MemorySettingsStore store;
    store.Store(settings::kSettingsKey, "serverip", settings::StoredValue::OfString("192.168.1.10"));
    store.Store(settings::kSettingsKey, "NICKNAME", settings::StoredValue::OfString(" Jan "));
    if (c.popup) store.Store(settings::kSettingsKey, "popup", *c.popup);
    MainWindowHarness h(&store);
    h.mainControls.Self.Show();
    ASSERT_EQ(h.app.Boxes().size(), 1u);
    EXPECT_EQ(h.app.Boxes()[0].text, c.error);
    EXPECT_FALSE(store.IsOpen()) << "the key is closed again";
    EXPECT_EQ(h.setupControls.Edit2.Text(), "") << "the nickname comes later in the order and is not read";
    EXPECT_EQ(h.socket.Attempts(), 0) << "the connection is not opened";
    EXPECT_FALSE(h.app.Minimized()) << "the rest of the first activation is skipped";
    EXPECT_EQ(h.mainControls.Self.Caption(), "Ringlook v2.54");
  }
}

TEST(FirstActivation, LargeFontsOnlyAtExactly120Dpi) {
  for (const int dpi : {96, 120, 144}) {
    MainWindowHarness h;
    StoreSettings(h.mockStore, "192.168.1.10");
    h.app.SetLogicalDpi(dpi);
    h.mainControls.Self.Show();
    EXPECT_EQ(h.mainControls.ListBox1.FontHeight(), dpi == 120 ? 15 : 13) << dpi;
  }
}

TEST(Close, SavesFirstThenAsksAndNoKeepsTheProgramRunning) {
  MainWindowHarness h;
  StoreSettings(h.mockStore, "192.168.1.10");
  h.main.Leesreg();
  h.setupControls.CheckBox2.SetChecked(false);
  h.mainControls.Self.SetLeft(-20);
  h.mainControls.Self.SetTop(40);
  {
    InSequence order;
    EXPECT_CALL(h.mockStore, OpenKey(std::string_view("\\Software\\Ringlook")));
    EXPECT_CALL(h.mockStore, WriteString(std::string_view("ServerIp"), std::string_view("192.168.1.10")));
    EXPECT_CALL(h.mockStore, WriteString(std::string_view("Server2"), std::string_view("10.0.0.2")));
    EXPECT_CALL(h.mockStore, WriteString(std::string_view("NickName"), std::string_view(" Jan ")));
    EXPECT_CALL(h.mockStore, WriteString(std::string_view("x"), std::string_view("-20")));
    EXPECT_CALL(h.mockStore, WriteString(std::string_view("y"), std::string_view("40")));
    EXPECT_CALL(h.mockStore, WriteInteger(std::string_view("Popup"), 0));
    EXPECT_CALL(h.mockStore, CloseKey());
  }
  h.app.AnswerNextBox(ui::MessageAnswer::No);
  EXPECT_FALSE(h.main.FormClose());
  ASSERT_EQ(h.app.Boxes().size(), 1u);
  EXPECT_EQ(h.app.Boxes()[0].text, "Weet u zeker dat u Ringlook wilt afsluiten ?");
  EXPECT_EQ(h.app.Boxes()[0].kind, ui::MessageKind::Confirmation);
  EXPECT_FALSE(h.app.Terminated());
}

// The position is written as "x" and "y" and read as "X" and "Y".
TEST(Close, WhatItSavesIsWhatTheNextStartReads) {
  settings::MemorySettingsStore store;
  {
    store.Store(settings::kSettingsKey, "ServerIp", settings::StoredValue::OfString("192.168.1.10"));
    store.Store(settings::kSettingsKey, "Server2", settings::StoredValue::OfString(" 10.0.0.2 "));
    store.Store(settings::kSettingsKey, "Popup", settings::StoredValue::OfInteger(0));
    MainWindowHarness first(&store);
    first.main.Leesreg();
    first.setupControls.Edit2.SetText(" Jan ");
    first.setupControls.CheckBox2.SetChecked(true);
    first.mainControls.Self.SetLeft(-20);
    first.mainControls.Self.SetTop(40);
    first.app.AnswerNextBox(ui::MessageAnswer::No);
    EXPECT_FALSE(first.main.FormClose());
  }
  MainWindowHarness next(&store);
  next.mainControls.Self.Show();
  EXPECT_TRUE(next.app.Boxes().empty());
  EXPECT_EQ(next.socket.AttemptTarget(), "192.168.1.10");
  EXPECT_EQ(next.setupControls.Edit2.Text(), " Jan ");
  EXPECT_TRUE(next.setupControls.CheckBox2.Checked());
  EXPECT_EQ(next.main.Stored().Server2, "10.0.0.2");
  EXPECT_EQ(next.mainControls.Self.Left(), -20);
  EXPECT_EQ(next.mainControls.Self.Top(), 40);
}

TEST(Close, YesEndsTheProgramEvenWhenTheSettingsCannotBeSaved) {
  MainWindowHarness h;
  ON_CALL(h.mockStore, WriteString(_, _)).WillByDefault(Throw(Error("Failed to set data for 'ServerIp'")));
  h.app.AnswerNextBox(ui::MessageAnswer::Ok);
  h.app.AnswerNextBox(ui::MessageAnswer::Yes);
  EXPECT_TRUE(h.main.FormClose());
  ASSERT_EQ(h.app.Boxes().size(), 2u);
  EXPECT_EQ(h.app.Boxes()[0].text, "Failed to set data for 'ServerIp'");
  EXPECT_TRUE(h.app.Terminated());
}

TEST(Keys, AltOneAndTwoCloseRetargetAndOpenInThatOrder) {
  MainWindowHarness h;
  StoreSettings(h.mockStore, "192.168.1.10");
  ON_CALL(h.mockStore, ReadString(std::string_view("Server2"))).WillByDefault(Return("10.0.0.2"));
  h.main.Leesreg();
  h.socket.CancelAttempt();
  // As after the settings dialog has been closed once: Host holds the primary server.
  h.socket.SetHost("192.168.1.10");
  h.socket.SetActive(true);
  h.socket.ResolveLookup("192.168.1.10");
  h.socket.AcceptConnection();
  h.mainControls.ListBox1.Add("a line");
  EXPECT_EQ(h.mainControls.Self.PressKey(ui::key::kDigit2, {.alt = true}), 0);
  EXPECT_EQ(h.Panel(0), "  Geen verbinding") << "first the disconnect";
  EXPECT_EQ(h.mainControls.ListBox1.Count(), 0);
  h.socket.ResolveLookup("10.0.0.2");
  EXPECT_EQ(h.Panel(0), "  Verbinding maken...") << "then connecting, once the name is looked up";
  EXPECT_EQ(h.socket.AttemptTarget(), "10.0.0.2") << "the second server is really reached";
  h.socket.AcceptConnection();
  EXPECT_EQ(h.mainControls.Self.PressKey(ui::key::kDigit1, {.shift = true, .alt = true, .ctrl = true}), 0);
  EXPECT_EQ(h.socket.Host(), "192.168.1.10");
  EXPECT_EQ(h.socket.Attempts(), 4) << "the reading's, the link's, Alt+2's and Alt+1's";
}

TEST(Keys, AltZeroTogglesTheNumberItemsAndOtherKeysDoNothing) {
  MainWindowHarness h;
  auto& m = h.mainControls;
  EXPECT_EQ(m.Self.PressKey(ui::key::kDigit0, {.alt = true}), 0);
  EXPECT_TRUE(m.Addnumber1.Visible() && m.Deletenumber1.Visible() && m.N1.Visible());
  m.Self.PressKey(ui::key::kDigit0, {.shift = true, .alt = true});
  EXPECT_FALSE(m.Addnumber1.Visible() || m.Deletenumber1.Visible() || m.N1.Visible());
  EXPECT_EQ(m.Self.PressKey(ui::key::kDigit0), ui::key::kDigit0) << "without Alt the key goes on";
  EXPECT_EQ(m.Self.PressKey(0x60, {.alt = true}), 0x60) << "keypad 0 does nothing";
  EXPECT_FALSE(m.Addnumber1.Visible());
  EXPECT_EQ(h.socket.Attempts(), 0);
}

TEST(Keys, F1AndTheHelpItemOpenHelp) {
  MainWindowHarness h;
  EXPECT_EQ(h.mainControls.Self.PressKey(ui::key::kF1), 0);
  h.mainControls.Help1.Click();
  EXPECT_EQ(h.app.HelpShown(), (std::vector<std::string>{"context 100", "topic Imported_Topic1"}));
}

TEST(Timers, HistoryOnceFourMinutesAfterStartAndNickWithinAMinuteOfConnecting) {
  MainWindowHarness h;
  h.setupControls.Edit2.SetText("  Jan ");
  h.loop.RunFor(20000);
  h.Connect();
  EXPECT_EQ(h.socket.Sent(), std::vector<std::string>{"HISTORY"}) << "no NICK at the moment of connecting";
  h.loop.RunFor(40000);
  EXPECT_EQ(h.socket.Sent(), (std::vector<std::string>{"HISTORY", "NICK^Jan"}));
  h.socket.ClearSent();
  h.loop.RunFor(180000);  // four minutes after start
  EXPECT_EQ(std::count(h.socket.Sent().begin(), h.socket.Sent().end(), "HISTORY"), 1);
  EXPECT_EQ(std::count(h.socket.Sent().begin(), h.socket.Sent().end(), "NICK^Jan"), 3);
  h.socket.ClearSent();
  h.loop.RunFor(600000);
  EXPECT_EQ(std::count(h.socket.Sent().begin(), h.socket.Sent().end(), "HISTORY"), 0) << "the idle timer stays off";
  h.setupControls.Edit2.SetText("   ");
  h.socket.ClearSent();
  h.loop.RunFor(120000);
  EXPECT_TRUE(h.socket.Sent().empty()) << "an empty nickname is not sent";
  EXPECT_TRUE(h.mainControls.Timer3.Enabled());
}

TEST(SetupDialog, OpeningDropsTheLinkAndAnAttemptAndClosingSavesLinksAndConnects) {
  MainWindowHarness h;
  h.Connect();
  h.mainControls.ListBox1.Add("a line");
  h.setupControls.CheckBox1.SetChecked(true);
  EXPECT_CALL(h.mockAutostart, Create(std::string("/opt/ringlook/bin/ringlook")));
  h.setupControls.Self.WhenShownModal([&](ui::MemoryForm&) {
    EXPECT_EQ(h.Panel(0), "  Geen verbinding");
    EXPECT_EQ(h.mainControls.ListBox1.Count(), 0);
    // An attempt under way when the dialog opens must not connect behind it.
    h.socket.SetAddress("10.9.9.9");
    h.socket.SetActive(true);
    h.setupControls.Self.Activate();
    EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Idle);
    h.setupControls.Edit1.SetText(" 192.168.1.20 ");
    h.setupControls.Button1.Click();
  });
  h.mainControls.Setup1.Click();
  EXPECT_FALSE(h.setupControls.Self.Visible());
  EXPECT_EQ(h.socket.Host(), "192.168.1.20");
  EXPECT_EQ(h.socket.Address(), "192.168.1.20");
  EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Resolving);
}

TEST(SetupDialog, AFailingStepKeepsItOpenAndTheNextCloseStartsOver) {
  MainWindowHarness h;
  EXPECT_CALL(h.mockAutostart, Remove()).Times(1);
  EXPECT_CALL(h.mockStore, WriteString(_, _)).Times(::testing::AnyNumber());
  EXPECT_CALL(h.mockStore, WriteString(std::string_view("ServerIp"), _))
      .WillOnce(Throw(Error("Failed to set data for 'ServerIp'")))
      .WillRepeatedly(Return());
  h.setupControls.Self.WhenShownModal([&](ui::MemoryForm& dialog) {
    h.setupControls.Edit1.SetText("192.168.1.20");
    dialog.Close(ui::ModalResult::Ok);
    EXPECT_TRUE(dialog.Visible()) << "the error keeps the dialog open";
    EXPECT_EQ(h.socket.Attempts(), 0) << "the later steps did not run";
    dialog.Close(ui::ModalResult::Ok);
  });
  h.mainControls.Setup1.Click();
  ASSERT_EQ(h.app.Boxes().size(), 1u);
  EXPECT_EQ(h.app.Boxes()[0].text, "Failed to set data for 'ServerIp'");
  EXPECT_EQ(h.socket.Attempts(), 1);
}

}  // namespace
}  // namespace ringlook
