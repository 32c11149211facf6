// The dispatch of received texts on the in-memory windows: what each branch
// leaves in the list, the status bar, the title and the dialogs, the fixed
// order of the tests, the early end of a record list, and texts that arrive
// while a branch waits in a modal loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "calls/CallerLine.h"
#include "common/Error.h"

namespace ringlook {
namespace {

using testing::MainWindowHarness;

std::string Record(const std::string& name, const std::string& flag, const std::string& number,
                   const std::string& count = "7", const std::string& detail = "lijn 1") {
  return name + "^" + flag + "^" + detail + "^" + number + "^" + count + "^";
}

std::string RecordList(int records) {
  std::string list;
  for (int i = 0; i < records; ++i) list += Record("Beller " + std::to_string(i), "0", std::to_string(i)) + "~";
  return list;
}

// The window as a test drives it: connected, the messages window closing at
// once when nothing else is scripted.
struct Dispatching : MainWindowHarness {
  Dispatching() { Connect(); }
  [[nodiscard]] const std::vector<std::string>& Lines() const { return mainControls.ListBox1.Lines(); }
};

TEST(Nieuw, InsertsOnTopSetsTheTitleRestartsTheTitleTimerAndRaisesAsTheSettingsSay) {
  struct Case {
    const char* name;
    bool popup;
    const char* flag;
    bool searchBarOpen;
    int raises;
    const char* title;
    bool inList;
  };
  const Case cases[] = {
      {"plain, pop-up off", false, "0", false, 0, "Jansen", true},
      {"plain, pop-up on", true, "0", false, 1, "Jansen", true},
      {"alert, pop-up off", false, "2", false, 1, "x Jansen", true},
      {"alert, pop-up on", true, "2", false, 1, "x Jansen", true},
      {"search bar open", false, "2", true, 1, "x Jansen", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dispatching h;
    h.setupControls.CheckBox2.SetChecked(c.popup);
    h.mainControls.Panel2.SetVisible(c.searchBarOpen);
    h.mainControls.ListBox1.Add("older line");
    h.loop.RunFor(1000);
    h.main.Dispatch("NIEUW^" + Record("Jansen", c.flag, "0612345678", "15"));
    EXPECT_TRUE(h.main.Calls().LiveList());
    EXPECT_EQ(h.app.Raises(), c.raises) << "at most one raise for a call";
    EXPECT_EQ(h.app.Title(), c.title);
    EXPECT_EQ(h.Panel(1), "  Aantal (vandaag) : 15");
    EXPECT_EQ(h.Lines().size(), c.inList ? 2u : 1u);
    EXPECT_EQ(calls::LineNumber(h.Lines().front()), c.inList ? "0612345678" : "");
    EXPECT_TRUE(h.mainControls.Timer1.Enabled());
    EXPECT_EQ(h.mainControls.Timer1.Due(), h.loop.Tick() + 420000) << "restarted by the call";
    const bool notified = c.popup || std::string(c.flag) == "2";
    EXPECT_EQ(h.app.Notifications(),
              notified
                  ? std::vector<std::string>{std::string(c.flag) == "2" ? "! Jansen 0612345678" : "Jansen 0612345678"}
                  : std::vector<std::string>{});
  }
}

TEST(Nieuw, TheTitleGoesBackSevenMinutesAfterTheLastCall) {
  Dispatching h;
  h.main.Dispatch("NIEUW^" + Record("Eerste", "0", "1"));
  h.loop.RunFor(400000);
  h.main.Dispatch("NIEUW^" + Record("Tweede", "0", "2"));
  h.loop.RunFor(400000);
  EXPECT_EQ(h.app.Title(), "Tweede");
  h.loop.RunFor(20000);
  EXPECT_EQ(h.app.Title(), "Ringlook");
  EXPECT_FALSE(h.mainControls.Timer1.Enabled()) << "and the title timer stops";
}

TEST(Wijzig, ChangesEveryLineOfTheNumberInPlaceAndKeepsTheSelection) {
  Dispatching h;
  h.main.Dispatch("HISTORY^" + Record("Oud", "0", "0612345678", "3", "ABC") + "~" + Record("Ander", "0", "0699999999") +
                  "~" + Record("Oud", "1", "0612345678", "3", "DEF") + "~");
  h.mainControls.ListBox1.SetItemIndex(1);
  h.main.Dispatch("WIJZIG^0612345678^Nieuwe naam^2^");
  ASSERT_EQ(h.Lines().size(), 3u);
  EXPECT_EQ(h.Lines()[0], calls::FormatCallerRecord(Record("Nieuwe naam", "2", "0612345678", "3", "ABC")));
  EXPECT_EQ(h.Lines()[2], calls::FormatCallerRecord(Record("Nieuwe naam", "2", "0612345678", "3", "DEF")));
  EXPECT_EQ(calls::LineName(h.Lines()[1]), "Ander");
  EXPECT_EQ(h.mainControls.ListBox1.ItemIndex(), 1);
  EXPECT_EQ(h.Panel(1), "  Aantal (vandaag) : 3") << "a change notice leaves the status bar alone";
}

TEST(Wijzig, TheTopLineChangesTheTitleOnlyWhenItShowsACaller) {
  struct Case {
    const char* titleBefore;
    const char* notice;
    const char* titleAfter;
    bool timerOn;
  };
  const Case cases[] = {
      {"Ringlook", "0612345678^Nieuw^2^", "Ringlook", false}, {"Oud", "0612345678^Nieuw^2^", "x Nieuw", true},
      {"Oud", "0612345678^Nieuw^1^", "Nieuw", true},          {"Oud", "0699999999^Nieuw^2^", "Oud", false},
      {"Oud", "0612345678 ^Nieuw^2^", "Oud", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.notice);
    Dispatching h;
    h.mainControls.ListBox1.Add(calls::FormatCallerRecord(Record("Oud", "0", "0612345678")));
    h.app.SetTitle(c.titleBefore);
    h.main.Dispatch(std::string("WIJZIG^") + c.notice);
    EXPECT_EQ(h.app.Title(), c.titleAfter);
    EXPECT_EQ(h.mainControls.Timer1.Enabled(), c.timerOn);
  }
}

TEST(Wijzig, SwitchesARunningTitleTimerOnWithoutRestartingIt) {
  Dispatching h;
  h.main.Dispatch("NIEUW^" + Record("Oud", "0", "0612345678"));
  const std::uint64_t due = h.mainControls.Timer1.Due();
  h.loop.RunFor(60000);
  h.main.Dispatch("WIJZIG^0612345678^Nieuw^0^");
  EXPECT_EQ(h.app.Title(), "Nieuw");
  EXPECT_EQ(h.mainControls.Timer1.Due(), due);
}

TEST(UpdateBellers, ShowsTheCountInTheSecondPanel) {
  for (const auto& [text, panel] : std::vector<std::pair<std::string, std::string>>{
           {"UPDATEBELLERS^12", "  Caller(s) today : 12"}, {"UPDATEBELLERS^", "  Caller(s) today : "}}) {
    Dispatching h;
    h.main.Dispatch(text);
    EXPECT_EQ(h.Panel(1), panel);
  }
}

TEST(History, ReplacesTheListWithTodaysCallsWithoutRaisingForAlerts) {
  Dispatching h;
  h.main.Dispatch("NIEUW^" + Record("Live", "0", "9"));
  h.mainControls.ListBox1.Add("old");
  h.main.Dispatch("HISTORY^" + Record("Alarm", "2", "1", "4") + "~" + Record("Gewoon", "0", "2", "4") + "~");
  EXPECT_FALSE(h.main.Calls().LiveList());
  ASSERT_EQ(h.Lines().size(), 2u);
  EXPECT_EQ(calls::LineName(h.Lines()[0]), "Alarm");
  EXPECT_EQ(h.Lines()[0][38], 'x');
  EXPECT_EQ(h.app.Raises(), 0);
  EXPECT_EQ(h.main.Calls().TitlePrefix(), "");
  EXPECT_EQ(h.main.Calls().LastCallerName(), "Gewoon");
  EXPECT_EQ(h.Panel(1), "  Aantal (vandaag) : 4");
}

// "NAMELIST^" left over after a record list would enable the send dialog: it
// shows whether the later tests were made.
TEST(History, ABlankRecordStaysInTheListAndEndsTheWholeDispatch) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t lines;
    bool endsAtABlankLine;
  };
  const std::string one = Record("Een", "0", "1");
  const Case cases[] = {
      {"complete", "HISTORY^" + one + "~NAMELIST^", 1, false},
      {"blank record", "HISTORY^~~" + one + "~", 1, true},
      {"blank after a record", "HISTORY^" + one + "~^0^^^^~" + one + "~", 2, true},
      {"last record without its separator", "HISTORY^" + one + "~" + one, 2, true},
      {"search reply, blank record", "REPLYFIND^~~" + one + "~", 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dispatching h;
    h.sentMSGControls.ComboBox1.SetEnabled(false);
    h.main.Dispatch(c.text);
    EXPECT_EQ(h.Lines().size(), c.lines);
    EXPECT_EQ(calls::LineNumber(h.Lines().back()).empty(), c.endsAtABlankLine);
    EXPECT_FALSE(h.sentMSGControls.ComboBox1.Enabled()) << "what a list leaves is never a message of its own";
  }
}

TEST(ReplyFind, CountsRecordByRecordAndEnablesTheSearchAgain) {
  struct Case {
    std::string body;
    std::size_t lines;
    std::string panel;
  };
  const Case cases[] = {
      {"", 0, "  Niets gevonden"},
      {RecordList(1), 1, "  Gevonden : 1"},
      {RecordList(299), 299, "  Gevonden : 299"},
      {RecordList(300), 300, "  Meer dan 300 gevonden "},
      {RecordList(301), 301, "  Gevonden : 301"},
      // Cut short at a blank record: the panel shows what the blank record left.
      {RecordList(2) + "^^^^^~" + RecordList(1), 3, "  Aantal (vandaag) : "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.panel);
    Dispatching h;
    h.main.Dispatch("NIEUW^" + Record("Live", "0", "9"));
    h.mainControls.Edit1.SetEnabled(false);
    h.mainControls.Button2.SetEnabled(false);
    h.main.Dispatch("REPLYFIND^" + c.body);
    EXPECT_FALSE(h.main.Calls().LiveList());
    EXPECT_EQ(h.Lines().size(), c.lines);
    EXPECT_EQ(h.Panel(1), c.panel);
    EXPECT_TRUE(h.mainControls.Edit1.Enabled());
    EXPECT_TRUE(h.mainControls.Button2.Enabled());
  }
}

TEST(NameList, ListsEveryoneButTheUserByteForByteAndPreselectsTheLastCorrespondent) {
  struct Case {
    const char* name;
    const char* text;
    const char* nickname;
    const char* lastCorrespondent;
    bool dialogShowing;
    std::vector<std::string> items;
    int selected;
    bool focusOnText;
  };
  const Case cases[] = {
      {"only the user", "NAMELIST^Jan^", "Jan", "Jan", true, {}, -1, false},
      {"compared untrimmed", "NAMELIST^Piet^Jan^anna^", " Jan", "", true, {"anna", "Jan", "Piet"}, -1, false},
      {"last correspondent selected", "NAMELIST^Piet^Jan^anna^", "Jan", "Piet", true, {"anna", "Piet"}, 1, true},
      {"dialog closed: no focus", "NAMELIST^Piet^Jan^anna^", "Jan", "Piet", false, {"anna", "Piet"}, 1, false},
      {"last correspondent gone", "NAMELIST^Piet^Jan^anna^", "Jan", "Kees", true, {"anna", "Piet"}, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dispatching h;
    h.setupControls.Edit2.SetText(c.nickname);
    h.logic.formSentMSG.SetLastCorrespondent(c.lastCorrespondent);
    ui::MemoryFormSentMSG& dialog = h.sentMSGControls;
    const std::vector<ui::Control*> controls{&dialog.ComboBox1, &dialog.Button2, &dialog.Memo1};
    for (ui::Control* control : controls) control->SetEnabled(false);
    if (c.dialogShowing) dialog.Self.Show();
    h.main.Dispatch(c.text);
    std::vector<std::string> items;
    for (int i = 0; i < dialog.ComboBox1.Count(); ++i) items.push_back(dialog.ComboBox1.Item(i));
    EXPECT_EQ(items, c.items);
    EXPECT_EQ(dialog.ComboBox1.ItemIndex(), c.selected);
    EXPECT_EQ(dialog.Memo1.Focused(), c.focusOnText);
    EXPECT_TRUE(std::ranges::all_of(controls, &ui::Control::Enabled));
  }
}

// The dialog takes the reply it waits for, once; any other leaves it as it was.
TEST(ReplyGet, FillsTheDialogWithTheEntryItWaitsForAndOnlyEverTicksTheAlertBox) {
  struct Case {
    const char* name;
    std::vector<std::string> awaited;  // the numbers asked for, in order
    std::vector<std::string> texts;
    bool filled;
    std::string number, name_, note;
    bool alert;
  };
  const std::string n = "0612345678";
  const std::string jansen = "REPLYGET^" + n + "^Jansen^Belt vaak\r\nterug^2^";
  const std::string note = "Belt vaak\r\nterug";
  const Case cases[] = {
      {"alert", {n}, {jansen}, true, n, "Jansen", note, true},
      {"note flag", {n}, {"REPLYGET^0612345678^Jansen^^1^"}, true, n, "Jansen", "", false},
      {"no fields, empty number asked for", {""}, {"REPLYGET^"}, true, "", "", "", false},
      {"the number with blanks", {n}, {"REPLYGET^ 0612345678 ^Jansen^^0^"}, true, " " + n + " ", "Jansen", "", false},
      {"nothing asked for", {}, {jansen}, false, "", "stale", "stale", false},
      {"another number", {"0699999999"}, {jansen}, false, "", "stale", "stale", false},
      {"an earlier request's late reply", {n, "0699999999"}, {jansen}, false, "", "stale", "stale", false},
      {"another spelling of the number", {n}, {"REPLYGET^06 12345678^Jansen^^2^"}, false, "", "stale", "stale", false},
      {"a message body", {n}, {"MSG^Piet^" + jansen}, false, "", "stale", "stale", false},
      {"another's reply, then its own", {n}, {"REPLYGET^0699999999^Ann^^2^", jansen}, true, n, "Jansen", note, true},
      {"a second reply", {n}, {jansen, "REPLYGET^0612345678^Ander^abc^0^"}, true, n, "Jansen", note, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dispatching h;
    ui::MemoryFormEdit& dialog = h.editControls;
    for (const std::string& number : c.awaited) h.edit.Prepare(number, false);
    const std::vector<ui::Control*> controls{&dialog.Button2, &dialog.Edit1, &dialog.Edit2, &dialog.CheckBox1,
                                             &dialog.Memo1};
    for (ui::Control* control : controls) control->SetEnabled(false);
    dialog.Edit1.SetText("stale");
    dialog.Memo1.SetText("stale");
    for (const std::string& text : c.texts) h.main.Dispatch(text);
    EXPECT_EQ(dialog.Edit2.Text(), c.number);
    EXPECT_EQ(dialog.Edit1.Text(), c.name_);
    EXPECT_EQ(dialog.Memo1.Text(), c.note);
    EXPECT_EQ(dialog.CheckBox1.Checked(), c.alert);
    EXPECT_EQ(std::ranges::all_of(controls, &ui::Control::Enabled), c.filled);
    EXPECT_FALSE(dialog.Edit1.Focused()) << "the focus moves only when the dialog is showing";
    // Every reply the dialog does not take is logged.
    const auto replies = [](const std::vector<std::string>& lines, bool atStart) {
      return std::count_if(lines.begin(), lines.end(), [atStart](const std::string& line) {
        return atStart ? line.starts_with("REPLYGET") : line.find("REPLYGET") != std::string::npos;
      });
    };
    EXPECT_EQ(replies(h.log, false), replies(c.texts, true) - (c.filled ? 1 : 0));
  }
}

TEST(WrongNick, EmptiesAndSavesTheNicknameThenTellsTheUser) {
  Dispatching h;
  h.setupControls.Edit2.SetText("Jan");
  EXPECT_CALL(h.mockStore, WriteString(::testing::_, ::testing::_)).Times(::testing::AnyNumber());
  EXPECT_CALL(h.mockStore, WriteString(std::string_view("NickName"), std::string_view("")));
  h.main.Dispatch("WRONGNICK^");
  EXPECT_EQ(h.setupControls.Edit2.Text(), "");
  ASSERT_EQ(h.app.Boxes().size(), 1u);
  EXPECT_EQ(h.app.Boxes()[0].text, "Your Nickname already excists!");
  h.socket.ClearSent();
  h.loop.RunFor(60000);
  EXPECT_TRUE(h.socket.Sent().empty()) << "no NICK without a nickname";
}

TEST(WrongNick, ASaveThatFailsIsShownAndEndsTheDispatch) {
  Dispatching h;
  ON_CALL(h.mockStore, WriteString(::testing::_, ::testing::_))
      .WillByDefault(::testing::Throw(Error("Failed to set data for 'NickName'")));
  h.main.Dispatch("WRONGNICK^");
  ASSERT_EQ(h.app.Boxes().size(), 1u);
  EXPECT_EQ(h.app.Boxes()[0].text, "Failed to set data for 'NickName'");
}

TEST(Msg, BuildsTheBlockWithTheLocalTimeAndShowsTheWindowModally) {
  struct Case {
    std::uint64_t msAfterNoon;
    const char* shown;
  };
  // The clock starts at 12:00; at midnight the hour starts again from 0.
  constexpr std::uint64_t kToMidnight = 12 * 3600000ULL;
  const Case cases[] = {{0, "12:00"},
                        {(21 * 60 + 5) * 60000ULL + 59999, "9:05"},
                        {(5 * 60 + 30) * 60000ULL, "17:30"},
                        {kToMidnight - 1, "23:59"},
                        {kToMidnight, "0:00"},
                        {kToMidnight + 2 * 86400000ULL + 60000, "0:01"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Dispatching h;
    h.loop.RunFor(c.msAfterNoon);
    h.main.Dispatch("MSG^Piet^Kom je koffie drinken?\r\nOm 10 uur.");
    const std::string block = std::string("\r\n") + std::string(55, '-') + "\r\nBericht van : Piet  (" + c.shown +
                              ")\r\n\r\nKom je koffie drinken?\r\nOm 10 uur.";
    EXPECT_EQ(h.logic.formMSG.LastBlock(), block);
    EXPECT_EQ(h.msgControls.RichOntvang.Text(), block);
    EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Piet");
    EXPECT_EQ(h.msgControls.Self.ModalShowings(), 1);
  }
}

TEST(Msg, ScrollsToTheLastNineLinesAndOnlyAppendsWhenTheWindowIsOpen) {
  Dispatching h;
  h.msgControls.Self.Show();
  h.msgControls.RichOntvang.Select("x");
  ui::MemoryRichView& view = h.msgControls.RichOntvang;
  h.main.Dispatch("MSG^Piet^een");
  const int afterFirst = view.FirstVisibleLine();
  EXPECT_EQ(afterFirst, view.LineCount() - 9);
  h.main.Dispatch("MSG^Anna^twee");
  EXPECT_EQ(view.FirstVisibleLine(), afterFirst + view.LineCount() - 9) << "scrolled relative to where it was";
  EXPECT_EQ(h.msgControls.Self.ModalShowings(), 0);
  EXPECT_NE(h.msgControls.RichOntvang.Text().find("een"), std::string::npos);
  EXPECT_NE(h.msgControls.RichOntvang.Text().find("twee"), std::string::npos);
  EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Anna");
  EXPECT_EQ(h.msgControls.RichOntvang.SelectedText(), "");
}

// What a branch reads is data that any user of the server can write: it is never
// handled as a server message of its own.
TEST(Order, OneTextIsAtMostOneServerMessage) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t lines;
    const char* topNumber;
  };
  const std::string call = "NIEUW^" + Record("Nep", "2", "0666666666");
  const Case cases[] = {
      {"a message whose body is a call", "MSG^Piet^" + call, 1, "0612345678"},
      {"a message whose body is a history", "MSG^Piet^HISTORY^", 1, "0612345678"},
      {"a call whose name is a history", "NIEUW^HISTORY^0^^0699999999^5^", 2, "0699999999"},
      {"a change whose number is a call", "WIJZIG^" + call, 1, "0612345678"},
      {"a count glued to a call", "UPDATEBELLERS^17" + call, 1, "0612345678"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dispatching h;
    h.main.Dispatch("HISTORY^" + Record("Oud", "0", "0612345678") + "~");
    h.main.Dispatch(c.text);
    EXPECT_EQ(h.Lines().size(), c.lines);
    EXPECT_EQ(calls::LineNumber(h.Lines().front()), c.topNumber);
    EXPECT_EQ(h.app.Raises(), 0) << "no alert raised by a caller nobody called";
  }
}

TEST(Nesting, AMessageArrivingWhileTheWindowIsOpenIsAppendedInside) {
  Dispatching h;
  h.msgControls.Self.WhenShownModal([&](ui::MemoryForm& window) {
    h.Arrive("MSG^Anna^tweede bericht");
    window.Close(ui::ModalResult::Cancel);
  });
  h.Arrive("MSG^Piet^eerste bericht");
  EXPECT_EQ(h.msgControls.Self.ModalShowings(), 1);
  const std::string shown = h.msgControls.RichOntvang.Text();
  EXPECT_LT(shown.find("Bericht van : Piet"), shown.find("Bericht van : Anna"));
  EXPECT_NE(shown.find("tweede bericht"), std::string::npos);
  EXPECT_NE(h.logic.formMSG.LastBlock().find("Anna"), std::string::npos) << "the nested message came last";
  EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Anna");
}

TEST(Nesting, ACallArrivingWhileTheWrongNicknameBoxIsOpenIsHandledInside) {
  Dispatching h;
  std::size_t linesWhileOpen = 0;
  h.app.AnswerNextBox(ui::MessageAnswer::Ok, [&] {
    h.Arrive("NIEUW^" + Record("Jansen", "0", "0612345678"));
    linesWhileOpen = h.Lines().size();
  });
  h.Arrive("WRONGNICK^");
  EXPECT_EQ(linesWhileOpen, 1u);
  EXPECT_EQ(h.app.Title(), "Jansen");
}

TEST(Dispatch, ATextWithoutAKeywordChangesNothing) {
  for (const std::string& text : std::vector<std::string>{"HELLO^", "nieuw^a^0^^1^2^", " NIEUW^a^0^^1^2^",
                                                          std::string("\0NIEUW^a^0^^1^2^", 16), "NIEUW", "MSGX^a^b"}) {
    SCOPED_TRACE(text);
    Dispatching h;
    h.main.Dispatch(text);
    EXPECT_TRUE(h.Lines().empty());
    EXPECT_EQ(h.Panel(1), "  Aantal (vandaag)  :");
    EXPECT_EQ(h.app.Title(), "Ringlook");
    EXPECT_EQ(h.msgControls.Self.ModalShowings(), 0);
  }
}

}  // namespace
}  // namespace ringlook
