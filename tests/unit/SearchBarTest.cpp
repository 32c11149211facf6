// The search bar on the manual clock: opening, searching with Enter or the
// button, the idle timer that closes it, and what each step sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowHarness.h"

namespace ringlook {
namespace {

struct SearchBar : testing::MainWindowHarness {
  SearchBar() {
    Connect();
    socket.ClearSent();
  }
  [[nodiscard]] int HistoryRequests() const {
    return static_cast<int>(std::count(socket.Sent().begin(), socket.Sent().end(), "HISTORY"));
  }
  ui::MemoryFormRinglook& w = mainControls;
};

TEST(SearchBar, OpeningEmptiesTheListAndEnablesOnlyTheField) {
  SearchBar h;
  h.w.ListBox1.Add("a call");
  h.w.Edit1.SetEnabled(false);
  h.w.Button2.SetEnabled(false);
  h.w.Find1.Click();
  EXPECT_TRUE(h.w.Panel2.Visible());
  EXPECT_EQ(h.w.ListBox1.Count(), 0);
  EXPECT_TRUE(h.w.Edit1.Enabled());
  EXPECT_TRUE(h.w.Edit1.Focused());
  EXPECT_FALSE(h.w.Button2.Enabled()) << "a search still waiting for its reply stays waiting";
  EXPECT_TRUE(h.socket.Sent().empty());
}

TEST(SearchBar, EnterAndTheButtonSendTheSearchTextInCapitalsTrimmed) {
  struct Case {
    std::string typed;
    bool withButton;
    std::string sent;
  };
  const Case cases[] = {
      {" abc \xe9 ", false, "FIND^ABC \xe9"},
      {"", false, "FIND^"},
      {"jan\tde vries\t", true, "FIND^JAN\tDE VRIES"},
      {"  ", true, "FIND^"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sent);
    SearchBar h;
    h.w.Find1.Click();
    h.w.Edit1.Type(c.typed);
    if (c.withButton) {
      h.w.Button2.Click();
    } else {
      h.w.Edit1.Type("\r");
    }
    EXPECT_EQ(h.socket.Sent(), std::vector<std::string>{c.sent});
    EXPECT_EQ(h.w.Edit1.Text(), c.typed) << "Enter is swallowed";
    EXPECT_FALSE(h.w.Edit1.Enabled());
    EXPECT_FALSE(h.w.Button2.Enabled());
    h.main.Dispatch("REPLYFIND^");
    EXPECT_TRUE(h.w.Edit1.Enabled());
    EXPECT_TRUE(h.w.Button2.Enabled());
  }
}

TEST(SearchBar, ClosesFourMinutesAfterTheLastCharacterOrClickAndAsksForTodaysCalls) {
  struct Case {
    const char* name;
    std::uint64_t openAt;                   // ms after start
    std::vector<std::uint64_t> activityAt;  // characters or clicks, ms after start
    bool clicks;
    std::uint64_t closesAt;
  };
  const Case cases[] = {
      {"opened after 3 minutes, untouched: the running timer is not restarted", 180000, {}, false, 240000},
      {"typing keeps it open", 180000, {200000, 300000}, false, 540000},
      {"clicks in the list keep it open", 10000, {230000}, true, 470000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SearchBar h;
    h.loop.RunFor(c.openAt);
    h.w.Find1.Click();
    for (std::uint64_t at : c.activityAt) {
      h.loop.RunFor(at - h.loop.Tick());
      if (c.clicks) {
        h.w.ListBox1.OnClick();
      } else {
        h.w.Edit1.Type("a");
      }
    }
    h.loop.RunFor(c.closesAt - 1 - h.loop.Tick());
    EXPECT_TRUE(h.w.Panel2.Visible());
    EXPECT_EQ(h.HistoryRequests(), 0);
    h.loop.RunFor(1);
    EXPECT_FALSE(h.w.Panel2.Visible());
    EXPECT_EQ(h.HistoryRequests(), 1);
    EXPECT_FALSE(h.w.Timer2.Enabled());
  }
}

TEST(SearchBar, SluitenClosesAtOnceAndTheListWaitsForTodaysCalls) {
  SearchBar h;
  h.w.Find1.Click();
  h.main.Dispatch("REPLYFIND^Jansen^0^lijn 1^0612345678^3^~");
  h.w.Button1.Click();
  EXPECT_FALSE(h.w.Panel2.Visible());
  EXPECT_EQ(h.socket.Sent(), std::vector<std::string>{"HISTORY"});
  EXPECT_EQ(h.w.ListBox1.Count(), 1) << "the search result stays until the reply";
  EXPECT_FALSE(h.w.Timer2.Enabled());
  h.loop.RunFor(600000);
  EXPECT_EQ(h.HistoryRequests(), 1) << "the idle timer stays off";
}

TEST(SearchBar, ANewCallDuringASearchChangesTheCountButNotTheResult) {
  SearchBar h;
  h.w.Find1.Click();
  h.main.Dispatch("REPLYFIND^Jansen^0^lijn 1^0612345678^3^~");
  h.main.Dispatch("NIEUW^Pietersen^0^lijn 2^0687654321^4^");
  EXPECT_EQ(h.w.ListBox1.Count(), 1);
  EXPECT_EQ(h.w.StatusBar1.PanelText(1), "  Aantal (vandaag) : 4");
  EXPECT_TRUE(h.main.Calls().LiveList());
}

}  // namespace
}  // namespace ringlook
