// Number records on the in-memory windows: the double click that edits an
// entry, "Nummer toevoegen", "Verwijder nummer", the dialog's two modes and
// alert colours, and the requests each sends, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "calls/CallerLine.h"

namespace ringlook {
namespace {

struct Records : testing::MainWindowHarness {
  Records() {
    Connect();
    mainControls.ListBox1.Add(calls::FormatCallerRecord("Jansen^0^lijn 1^0612345678^3^"));
    mainControls.ListBox1.Add(calls::FormatCallerRecord("^0^lijn 2^0699999999^3^"));
    mainControls.ListBox1.Add(calls::FormatCallerRecord("Pietje^0^lijn 2^^3^"));
    // "Nummer toevoegen" and "Verwijder nummer" are shown by Alt+0.
    mainControls.Self.PressKey(ui::key::kDigit0, ui::ShiftState{.alt = true});
    socket.ClearSent();
  }
  // What the user does in the next showing of the edit dialog.
  void WhileEditing(std::function<void(ui::MemoryFormEdit&)> action) {
    editControls.Self.WhenShownModal([this, action](ui::MemoryForm&) { action(editControls); });
  }
  [[nodiscard]] std::vector<std::string> Sent() const { return socket.Sent(); }
  ui::MemoryFormEdit& dialog = editControls;
};

TEST(DoubleClickAndDeleteNumber, WithoutASelectedLineAskNothing) {
  for (const bool doubleClick : {true, false}) {
    Records h;
    doubleClick ? h.mainControls.ListBox1.OnDblClick() : h.mainControls.Deletenumber1.Click();
    EXPECT_TRUE(h.Sent().empty()) << doubleClick;
    EXPECT_EQ(h.dialog.Self.ModalShowings(), 0);
    EXPECT_TRUE(h.app.Boxes().empty());
  }
}

// A line without a number (the third) still asks, for the empty number.
TEST(DoubleClick, AsksForTheEntryAndWaitsDisabledForTheReply) {
  struct Row {
    int line;
    std::string number;
  };
  for (const Row& row : {Row{0, "0612345678"}, Row{2, ""}}) {
    SCOPED_TRACE(row.line);
    Records h;
    h.dialog.Edit1.SetText("vorige");
    h.dialog.CheckBox1.SetChecked(true);
    h.mainControls.ListBox1.SetItemIndex(row.line);
    h.WhileEditing([&](ui::MemoryFormEdit& d) {
      EXPECT_EQ(d.Self.Caption(), "Wijzigen");
      EXPECT_EQ(h.Sent(), std::vector<std::string>{"GET^" + row.number});
      EXPECT_EQ(d.Edit1.Text(), "");
      EXPECT_FALSE(d.CheckBox1.Checked());
      EXPECT_TRUE(d.CheckBox1.Enabled()) << "only the alert box, Annuleren and the close box before the reply";
      EXPECT_FALSE(d.Edit1.Enabled() || d.Edit2.Enabled() || d.Memo1.Enabled() || d.Button2.Enabled());
      EXPECT_TRUE(d.Edit2.ReadOnly());
      EXPECT_EQ(d.Edit2.Background(), ui::Colour::Menu);
      h.main.Dispatch("REPLYGET^" + row.number + "^Jansen^Belt vaak^0^");
      EXPECT_TRUE(d.Edit1.Enabled() && d.Edit2.Enabled() && d.Memo1.Enabled() && d.CheckBox1.Enabled() &&
                  d.Button2.Enabled());
      EXPECT_TRUE(d.Edit1.Focused());
      d.Button1.Click();
    });
    h.mainControls.ListBox1.OnDblClick();
    EXPECT_EQ(h.main.SelectedNumber(), row.number);
    EXPECT_EQ(h.Sent(), std::vector<std::string>{"GET^" + row.number}) << "Annuleren sends nothing";
  }
}

// What the dialog shows goes back; the request's own rules (the cut, the trims,
// the flag) are the request's table's, which replies the dialog takes the reply's.
TEST(DoubleClick, OkSendsTheEntryTheDialogShows) {
  struct Case {
    std::string reply;
    std::string typedName;  // appended to what the reply gave
    bool tick;
    std::string sent;
  };
  for (const Case& c :
       {Case{"REPLYGET^0612345678^Jansen^Belt vaak^2^", "", false, "SET^0612345678^Jansen^Belt vaak^2^"},
        Case{"REPLYGET^0612345678^Jan^^0^", "sen", true, "SET^0612345678^Jansen^^2^"}}) {
    SCOPED_TRACE(c.reply);
    Records h;
    h.mainControls.ListBox1.SetItemIndex(0);
    h.WhileEditing([&](ui::MemoryFormEdit& d) {
      h.main.Dispatch(c.reply);
      d.Edit1.Type(c.typedName);
      if (c.tick) d.CheckBox1.Click();
      d.Button2.Click();
    });
    h.mainControls.ListBox1.OnDblClick();
    EXPECT_EQ(h.Sent(), (std::vector<std::string>{"GET^0612345678", c.sent}));
  }
}

// From the tray or a notification: "Wijzigen" asks for the entry as a double
// click does; a click on the notification shows the call's line.
TEST(OutsideTheWindow, ACallIsShownOrItsEntryEditedAsFromItsLine) {
  Records h;
  // Long since started: the first activation's reading done, of the server it is connected to.
  ON_CALL(h.mockStore, ReadString(std::string_view("ServerIp"))).WillByDefault(::testing::Return("192.168.1.10"));
  h.main.FormActivate();
  h.app.Minimize();
  h.app.OnShowCall("0699999999");
  EXPECT_FALSE(h.app.Minimized());
  EXPECT_EQ(h.mainControls.ListBox1.ItemIndex(), 1);
  h.WhileEditing([&](ui::MemoryFormEdit& d) {
    h.app.OnEditCall("0699999999");  // again, while the dialog is open: that showing goes on
    h.main.Dispatch("REPLYGET^0612345678^Jansen^^0^");
    d.Button2.Click();
  });
  h.app.OnEditCall("0612345678");
  EXPECT_EQ(h.Sent(), (std::vector<std::string>{"GET^0612345678", "SET^0612345678^Jansen^^0^"}));
  EXPECT_EQ(h.dialog.Self.ModalShowings(), 1);
}

TEST(EditDialog, AlertColoursFollowTheBoxAndEnterInTheNameIsSwallowed) {
  Records h;
  h.mainControls.ListBox1.SetItemIndex(0);
  h.WhileEditing([&](ui::MemoryFormEdit& d) {
    h.main.Dispatch("REPLYGET^0612345678^Jansen^^2^");
    EXPECT_EQ(d.Edit1.Background(), ui::Colour::Alert);
    EXPECT_EQ(d.Memo1.Background(), ui::Colour::Alert);
    d.CheckBox1.Click();
    EXPECT_EQ(d.Edit1.Background(), ui::Colour::Window);
    EXPECT_EQ(d.Memo1.Background(), ui::Colour::Window);
    d.Edit1.Type("\r");
    EXPECT_EQ(d.Edit1.Text(), "Jansen");
    EXPECT_TRUE(d.Self.Visible());
    d.Self.Close(ui::ModalResult::Cancel);  // the close box
  });
  h.mainControls.ListBox1.OnDblClick();
  EXPECT_EQ(h.Sent(), std::vector<std::string>{"GET^0612345678"});
}

TEST(AddNumber, AsksForTheNumberThenEditsItsEntryAndCancellingSendsNothing) {
  struct Case {
    std::string typed;
    std::string number;  // empty when cancelled: none is chosen
    bool cancel;
  };
  for (const Case& c : {Case{" 0201234567 ", "0201234567", false}, Case{"", "", false}, Case{"0201234567", "", true}}) {
    SCOPED_TRACE(c.typed + (c.cancel ? " cancelled" : ""));
    Records h;
    h.dialog.CheckBox1.SetChecked(true);  // left ticked by an earlier edit
    h.WhileEditing([&](ui::MemoryFormEdit& d) {
      EXPECT_EQ(d.Self.Caption(), "Toevoegen");
      EXPECT_TRUE(d.Edit1.ReadOnly() && d.Memo1.ReadOnly() && !d.Edit2.ReadOnly());
      EXPECT_FALSE(d.CheckBox1.Checked());
      EXPECT_EQ(d.Edit1.Background(), ui::Colour::Menu);
      EXPECT_EQ(d.Memo1.Background(), ui::Colour::Menu);
      EXPECT_EQ(d.Edit2.Background(), ui::Colour::Window);
      EXPECT_FALSE(d.CheckBox1.Enabled());
      EXPECT_TRUE(d.Edit2.Focused());
      d.Edit2.Type(c.typed);
      c.cancel ? d.Button1.Click() : d.Button2.Click();
    });
    h.WhileEditing([&](ui::MemoryFormEdit& d) {
      EXPECT_EQ(d.Self.Caption(), "Wijzigen");
      EXPECT_EQ(h.Sent(), std::vector<std::string>{"ADD^" + c.number});
      EXPECT_FALSE(d.Button2.Enabled()) << "disabled until the reply for the new number";
      h.main.Dispatch("REPLYGET^" + c.number + "^^^0^");
      d.Edit1.Type("Nieuw");
      d.Button2.Click();
    });
    h.mainControls.Addnumber1.Click();
    EXPECT_EQ(h.main.SelectedNumber(), c.number);
    EXPECT_EQ(h.dialog.Self.ModalShowings(), c.cancel ? 1 : 2);
    EXPECT_EQ(h.Sent(), (c.cancel ? std::vector<std::string>{}
                                  : std::vector<std::string>{"ADD^" + c.number, "SET^" + c.number + "^Nieuw^^0^"}));
  }
}

// A GET that never got its reply leaves the number field and "Ok" disabled;
// adding a number must still work afterwards.
TEST(AddNumber, StaysUsableAfterARequestThatGotNoReply) {
  Records h;
  h.mainControls.ListBox1.SetItemIndex(0);
  h.mainControls.ListBox1.OnDblClick();  // closed at once, no reply
  h.WhileEditing([](ui::MemoryFormEdit& d) {
    EXPECT_TRUE(d.Edit2.Enabled());
    EXPECT_TRUE(d.Button2.Enabled());
    d.Edit2.Type("0201234567");
    d.Button2.Click();
  });
  h.mainControls.Addnumber1.Click();
  EXPECT_EQ(h.Sent().back(), "ADD^0201234567");
}

// The messages window opening over the dialog and closing again gives the
// dialog the focus back: what the user typed must survive that.
TEST(EditDialog, AMessageArrivingWhileEditingKeepsTheNoteBeingTyped) {
  Records h;
  h.mainControls.ListBox1.SetItemIndex(0);
  h.WhileEditing([&](ui::MemoryFormEdit& d) {
    h.main.Dispatch("REPLYGET^0612345678^Jansen^Oude notitie^1^");
    d.Memo1.Type(" en meer");
    h.main.Dispatch("MSG^Piet^Even bellen?");
    d.Self.Activate();
    d.Button2.Click();
  });
  h.mainControls.ListBox1.OnDblClick();
  EXPECT_EQ(h.msgControls.Self.ModalShowings(), 1);
  EXPECT_EQ(h.Sent().back(), "SET^0612345678^Jansen^Oude notitie en meer^1^");
}

TEST(DeleteNumber, AsksWithTheNameAndSendsOnlyOnYes) {
  struct Case {
    int line;
    ui::MessageAnswer answer;
    std::string question;
    std::vector<std::string> sent;
  };
  const Case cases[] = {
      {0, ui::MessageAnswer::Yes, "Verwijder de historie van  Jansen ?", {"DELETE^0612345678"}},
      {0, ui::MessageAnswer::No, "Verwijder de historie van  Jansen ?", {}},
      {1, ui::MessageAnswer::Yes, "Verwijder de historie van   ?", {"DELETE^0699999999"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question);
    Records h;
    h.mainControls.ListBox1.SetItemIndex(c.line);
    h.app.AnswerNextBox(c.answer);
    h.mainControls.Deletenumber1.Click();
    ASSERT_EQ(h.app.Boxes().size(), 1u);
    EXPECT_EQ(h.app.Boxes()[0].text, c.question);
    EXPECT_EQ(h.app.Boxes()[0].kind, ui::MessageKind::Confirmation);
    EXPECT_EQ(h.Sent(), c.sent);
    EXPECT_EQ(h.mainControls.ListBox1.Count(), 3) << "the list changes only through the server";
  }
}

}  // namespace
}  // namespace ringlook
