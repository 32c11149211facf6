// Messaging on the in-memory windows: the send dialog's rules and the last
// correspondent, the messages window's buttons, copying and links, and the
// main window's two message entries, with the server's replies arriving while
// the dialogs are open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"

namespace ringlook {
namespace {

struct Messaging : testing::MainWindowHarness {
  explicit Messaging(const std::string& nickname = "Jan") {
    setupControls.Edit2.SetText(nickname);
    Connect();
  }

  // What was sent since the last call.
  std::vector<std::string> TakeSent() {
    std::vector<std::string> sent = socket.Sent();
    socket.ClearSent();
    return sent;
  }
  // The send dialog's next showing: the name list comes, then the user acts.
  void WhenSendDialogShown(const std::string& nameList, std::function<void()> user) {
    sentMSGControls.Self.WhenShownModal([this, nameList, user = std::move(user)](ui::MemoryForm&) {
      Arrive(nameList);
      user();
    });
  }
  void Choose(const std::string& name) {
    ui::MemoryComboBox& list = sentMSGControls.ComboBox1;
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Item(i) == name) list.SetItemIndex(i);
    }
  }
  [[nodiscard]] std::string Chosen() const {
    const ui::MemoryComboBox& list = sentMSGControls.ComboBox1;
    return list.ItemIndex() < 0 ? "" : list.Item(list.ItemIndex());
  }

  ui::MemoryFormSentMSG& dialog = sentMSGControls;
  ui::MemoryFormMSG& window = msgControls;
};

TEST(SendMenu, RefusesWithoutANicknameElseAsksForTheNamesAndOpensTheDialogEmptyAndDisabled) {
  struct Case {
    const char* nickname;
    bool opens;
  };
  for (const Case& c : {Case{"", false}, Case{" \t ", false}, Case{"Jan", true}, Case{" Jan ", true}}) {
    SCOPED_TRACE(c.nickname);
    Messaging h(c.nickname);
    // What an earlier showing left behind.
    h.dialog.ComboBox1.Add("Oud");
    h.dialog.Memo1.SetText("oude tekst");
    bool emptyAndDisabled = false;
    h.dialog.Self.WhenShownModal([&](ui::MemoryForm& self) {
      emptyAndDisabled = h.dialog.ComboBox1.Count() == 0 && !h.dialog.ComboBox1.Enabled() &&
                         !h.dialog.Button2.Enabled() && h.dialog.Memo1.Text().empty() && !h.dialog.Memo1.Enabled() &&
                         h.dialog.Button1.Enabled();
      self.Close(ui::ModalResult::Cancel);
    });
    h.socket.ClearSent();
    h.mainControls.Sentmassage1.Click();
    EXPECT_EQ(h.dialog.Self.ModalShowings(), c.opens ? 1 : 0);
    EXPECT_EQ(emptyAndDisabled, c.opens);
    EXPECT_EQ(h.TakeSent(), c.opens ? std::vector<std::string>{"NAMELIST^"} : std::vector<std::string>{});
    std::vector<std::string> boxes;
    for (const auto& box : h.app.Boxes()) boxes.push_back(box.text);
    EXPECT_EQ(boxes, c.opens ? std::vector<std::string>{} : std::vector<std::string>{"Voer eerst een naam in!"});
  }
}

TEST(SendDialog, VersturenSendsTheChosenRecipientTheUntrimmedNicknameAndTheBody) {
  struct Case {
    const char* name;
    std::string nickname;
    std::string typed;
    std::string sent;
  };
  const Case cases[] = {
      {"plain", "Jan", "Hoi Ann", "MSG^Ann^Jan^Hoi Ann"},
      {"nickname and body untrimmed", " Jan ", "  twee\r\nregels ", "MSG^Ann^ Jan ^  twee\r\nregels "},
      {"empty body", "Jan", "", "MSG^Ann^Jan^"},
      {"the limit", "Jan", std::string(401, 'x'), "MSG^Ann^Jan^" + std::string(400, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Messaging h(c.nickname);
    h.WhenSendDialogShown("NAMELIST^Piet^Ann^" + c.nickname + "^", [&] {
      EXPECT_TRUE(h.dialog.Button2.Enabled());
      h.Choose("Ann");
      h.dialog.Memo1.Type(c.typed);
      h.socket.ClearSent();
      h.dialog.Button2.Click();
    });
    h.mainControls.Sentmassage1.Click();
    EXPECT_EQ(h.TakeSent(), std::vector<std::string>{c.sent});
    EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Ann");
    EXPECT_FALSE(h.dialog.Self.Visible());
    EXPECT_EQ(h.app.Beeps(), 0);
  }
}

TEST(SendDialog, WithoutARecipientVersturenBeepsAndKeepsTheDialogOpenAndAnnulerenSendsNothing) {
  Messaging h;
  h.logic.formSentMSG.SetLastCorrespondent("Kees");
  bool openAfterBeep = false;
  h.WhenSendDialogShown("NAMELIST^Piet^Ann^", [&] {
    h.dialog.Memo1.Type("hallo");
    h.socket.ClearSent();
    h.dialog.Button2.Click();
    openAfterBeep = h.dialog.Self.Visible();
    EXPECT_TRUE(h.dialog.ComboBox1.Focused());
    h.dialog.Button1.Click();
  });
  h.mainControls.Sentmassage1.Click();
  EXPECT_TRUE(openAfterBeep);
  EXPECT_EQ(h.app.Beeps(), 1);
  EXPECT_TRUE(h.TakeSent().empty());
  EXPECT_FALSE(h.dialog.Self.Visible());
  EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Kees");
}

TEST(SendDialog, PreselectsTheLastRecipientUnlessAMessageFromAnotherCameInBetween) {
  Messaging h;
  h.WhenSendDialogShown("NAMELIST^Ann^Piet^", [&] {
    h.Choose("Ann");
    h.dialog.Button2.Click();
  });
  h.mainControls.Sentmassage1.Click();
  for (const char* expected : {"Ann", "Piet"}) {
    SCOPED_TRACE(expected);
    h.WhenSendDialogShown("NAMELIST^Ann^Jan^Piet^", [&] {
      EXPECT_EQ(h.Chosen(), expected);
      EXPECT_TRUE(h.dialog.Memo1.Focused());
      h.dialog.Button1.Click();
    });
    h.mainControls.Sentmassage1.Click();
    h.dialog.Memo1.LoseFocus();
    h.Arrive("MSG^Piet^Ben je er?");
  }
}

// Typed text survives a message that pops up over the dialog, and coming back to
// the dialog; only a new showing starts afresh.
TEST(SendDialog, AMessageArrivingWhileTypingLeavesTheTypedTextAndTheRecipient) {
  Messaging h;
  h.WhenSendDialogShown("NAMELIST^Ann^Piet^", [&] {
    h.Choose("Ann");
    h.dialog.Memo1.Type("half");
    h.Arrive("MSG^Piet^Ben je er?");
    h.dialog.Self.Activate();
    EXPECT_EQ(h.window.Self.ModalShowings(), 1);
    h.dialog.Memo1.Type(" af");
    h.socket.ClearSent();
    h.dialog.Button2.Click();
  });
  h.mainControls.Sentmassage1.Click();
  EXPECT_EQ(h.TakeSent(), std::vector<std::string>{"MSG^Ann^Jan^half af"});
}

TEST(MessagesWindow, StaysOnTopWhileShownAndBeantwoordenAnswersTheSenderWithoutTheNicknameCheck) {
  Messaging h("");
  bool onTopWhileShown = false;
  h.window.Self.WhenShownModal([&](ui::MemoryForm&) {
    onTopWhileShown = h.window.Self.StaysOnTop();
    h.socket.ClearSent();
    h.window.Button2.Click();
  });
  h.WhenSendDialogShown("NAMELIST^Ann^Piet^", [&] {
    EXPECT_FALSE(h.window.Self.Visible()) << "closed before the send dialog opens";
    EXPECT_EQ(h.Chosen(), "Piet");
    EXPECT_TRUE(h.dialog.Memo1.Focused());
    h.dialog.Button1.Click();
  });
  h.Arrive("MSG^Piet^Ben je er?");
  EXPECT_TRUE(onTopWhileShown);
  EXPECT_FALSE(h.window.Self.StaysOnTop());
  EXPECT_EQ(h.dialog.Self.ModalShowings(), 1);
  EXPECT_EQ(h.TakeSent(), std::vector<std::string>{"NAMELIST^"});
  EXPECT_TRUE(h.app.Boxes().empty());
}

// The send dialog open under the messages window: answering starts it afresh
// rather than showing it a second time, and the names come once.
TEST(MessagesWindow, BeantwoordenWhileTheSendDialogIsOpenStartsItAfresh) {
  Messaging h;
  h.window.Self.WhenShownModal([&](ui::MemoryForm&) { h.window.Button2.Click(); });
  h.WhenSendDialogShown("NAMELIST^Ann^Jan^Piet^", [&] {
    h.Choose("Ann");
    h.dialog.Memo1.Type("half");
    h.socket.ClearSent();
    h.Arrive("MSG^Piet^Ben je er?");
    EXPECT_EQ(h.TakeSent(), std::vector<std::string>{"NAMELIST^"});
    EXPECT_EQ(h.dialog.ComboBox1.Count(), 0);
    EXPECT_FALSE(h.dialog.Button2.Enabled());
    EXPECT_EQ(h.dialog.Memo1.Text(), "");
    h.Arrive("NAMELIST^Ann^Jan^Piet^");
    EXPECT_EQ(h.dialog.ComboBox1.Count(), 2);
    EXPECT_EQ(h.Chosen(), "Piet");
    h.dialog.Button1.Click();
  });
  h.mainControls.Sentmassage1.Click();
  EXPECT_EQ(h.dialog.Self.ModalShowings(), 1);
}

// The messages window's modal showing ends before the answer is written, so
// the next message can open it again.
TEST(MessagesWindow, AMessageArrivingWhileTheAnswerIsWrittenOpensTheWindowAgain) {
  Messaging h;
  bool onTopAgain = false;
  h.window.Self.WhenShownModal([&](ui::MemoryForm&) { h.window.Button2.Click(); });
  h.WhenSendDialogShown("NAMELIST^Ann^Jan^Piet^", [&] {
    h.dialog.Memo1.Type("Ja, ");
    h.window.Self.WhenShownModal([&](ui::MemoryForm& self) {
      onTopAgain = self.StaysOnTop();
      h.window.Button1.Click();
    });
    h.Arrive("MSG^Ann^Ook hallo");
    EXPECT_EQ(h.window.Self.ModalShowings(), 2);
    EXPECT_NE(h.window.RichOntvang.Text().find("Ook hallo"), std::string::npos);
    h.dialog.Memo1.Type("ik kom");
    h.socket.ClearSent();
    h.dialog.Button2.Click();
  });
  h.Arrive("MSG^Piet^Ben je er?");
  EXPECT_TRUE(onTopAgain);
  EXPECT_EQ(h.TakeSent(), std::vector<std::string>{"MSG^Piet^Jan^Ja, ik kom"});
  EXPECT_EQ(h.logic.formSentMSG.LastCorrespondent(), "Piet");
}

TEST(MessagesWindow, ToonBerichtenShowsOnlyTheLastBlockAndWissenEmptiesIt) {
  Messaging h;
  h.loop.RunFor((9 * 60 + 5) * 60000ULL);
  h.window.Self.Show();
  for (const char* body : {"een", "twee", "drie"}) h.Arrive(std::string("MSG^Piet^") + body);
  const std::string last = "\r\n" + std::string(55, '-') + "\r\nBericht van : Piet  (21:05)\r\n\r\ndrie";
  ASSERT_NE(h.window.RichOntvang.Text(), last) << "the view holds all three";
  h.window.Self.Close(ui::ModalResult::Cancel);

  h.mainControls.ViewMessages1.Click();
  EXPECT_EQ(h.window.RichOntvang.Text(), last);
  EXPECT_EQ(h.window.RichOntvang.FirstVisibleLine(), h.window.RichOntvang.LineCount() - 9);
  EXPECT_EQ(h.window.Self.ModalShowings(), 1);

  h.window.Self.WhenShownModal([&](ui::MemoryForm&) {
    h.window.Button3.Click();
    EXPECT_TRUE(h.window.Self.Visible()) << "Wissen leaves the window open";
    h.window.Button1.Click();
    EXPECT_FALSE(h.window.Self.Visible());
  });
  h.mainControls.ViewMessages1.Click();
  EXPECT_EQ(h.window.RichOntvang.Text(), "");
  EXPECT_EQ(h.logic.formMSG.LastBlock(), "");

  h.mainControls.ViewMessages1.Click();
  EXPECT_EQ(h.window.RichOntvang.Text(), "");
  EXPECT_EQ(h.window.Self.ModalShowings(), 3);
}

TEST(MessagesWindow, CopyPutsTheSelectionTrimmedOnTheClipboard) {
  struct Case {
    std::string selected;
    std::string copied;
  };
  const Case cases[] = {
      {"\r\nBericht van : Piet\r\n", "Bericht van : Piet"},
      {std::string("\x01 \t zie  www.x.nl \x7f\0", 20), "zie  www.x.nl \x7f"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.copied);
    Messaging h;
    h.app.SetClipboardText("vorige");
    h.window.RichOntvang.Select(c.selected);
    h.window.KopieerenCTRLC1.Click();
    EXPECT_EQ(h.app.Clipboard(), c.copied);
  }
}

TEST(MessagesWindow, AClickedLinkIsHandedToTheDesktopAsItsExactText) {
  Messaging h;
  h.window.RichOntvang.OnUrlClick("www.test.nl/x?y=1");
  EXPECT_EQ(h.app.OpenedAddresses(), std::vector<std::string>{"www.test.nl/x?y=1"});
}

}  // namespace
}  // namespace ringlook
