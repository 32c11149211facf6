// Web addresses in the messages view: which text is a link, and what a click
// on one does.
#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "qt/AddressFinder.h"
#include "qt/QtRichView.h"

namespace {

using namespace ringlook;

struct AddressCase {
  const char* text;
  std::vector<std::string> addresses;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FindWebAddressesTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(FindWebAddressesTest, FindsEachAddressWhole) {
  const QString text = QString::fromUtf8(GetParam().text);
  std::vector<std::string> found;
  for (const qt::TextRange& range : qt::FindWebAddresses(text)) {
    found.push_back(text.mid(range.start, range.length).toStdString());
  }
  EXPECT_EQ(found, GetParam().addresses);
}

INSTANTIATE_TEST_SUITE_P(Texts, FindWebAddressesTest,
                         ::testing::Values(AddressCase{"zie http://example.com/a?b=1&c=2 nu",
                                                       {"http://example.com/a?b=1&c=2"}},
                                           AddressCase{"HTTPS://Example.com/x.", {"HTTPS://Example.com/x"}},
                                           AddressCase{"(www.test.nl), ftp://f.nl/p;", {"www.test.nl", "ftp://f.nl/p"}},
                                           AddressCase{"mail mailto:ann@x.nl!", {"mailto:ann@x.nl"}},
                                           AddressCase{"regel1\nwww.a.nl\nregel3", {"www.a.nl"}},
                                           AddressCase{"alleen www. of http:// of mailto:", {}},
                                           AddressCase{"niet: nowww.x.nl of ann@www.x.nl", {}}));

class QtRichViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view_.OnUrlClick = [this](const std::string& url) { clicked_.push_back(url); };
    view_.resize(479, 155);
    view_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_));
  }

  // The middle of the character at position in the view.
  QPoint PointAt(int position) {
    QTextCursor cursor(view_.document());
    cursor.setPosition(position);
    const QRect before = view_.cursorRect(cursor);
    cursor.setPosition(position + 1);
    return QPoint((before.left() + view_.cursorRect(cursor).left()) / 2, before.center().y());
  }
  // Where text first starts in the view.
  int Find(const char* text) { return static_cast<int>(view_.document()->toRawText().indexOf(QLatin1String(text))); }

  qt::QtRichView view_{nullptr};
  std::vector<std::string> clicked_;
};

TEST_F(QtRichViewTest, LeftPressOrEnterOnAnAddressSelectsItAndReportsItsExactText) {
  view_.SetText("Bericht van : Ann\r\n\r\nKijk op www.test.nl/x?y=1, graag. Of mailto:ann@x.nl");
  const int start = Find("www");

  QTest::mouseClick(view_.viewport(), Qt::RightButton, {}, PointAt(start + 3));
  EXPECT_TRUE(clicked_.empty());
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(start + 3));
  EXPECT_EQ(clicked_, std::vector<std::string>{"www.test.nl/x?y=1"});
  EXPECT_EQ(view_.SelectedText(), "www.test.nl/x?y=1");

  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(2));
  EXPECT_EQ(clicked_.size(), 1U) << "plain text is no link";
  EXPECT_EQ(view_.Text(), "Bericht van : Ann\r\n\r\nKijk op www.test.nl/x?y=1, graag. Of mailto:ann@x.nl");

  // From the keyboard: Tab goes from link to link, Enter opens the one reached.
  view_.show();
  view_.setFocus();
  view_.ClearSelection();
  QTest::keyClick(&view_, Qt::Key_Tab);
  QTest::keyClick(&view_, Qt::Key_Tab);
  QTest::keyClick(&view_, Qt::Key_Return);
  EXPECT_EQ(clicked_, (std::vector<std::string>{"www.test.nl/x?y=1", "mailto:ann@x.nl"}));
  EXPECT_TRUE(view_.hasFocus());
}

TEST_F(QtRichViewTest, AppendedTextIsMarkedAndAFailingHandlerIsIgnored) {
  view_.SetText("a\r\n");
  view_.AppendLines("b http://x.nl\r\n");
  EXPECT_EQ(view_.Text(), "a\r\nb http://x.nl\r\n");
  EXPECT_EQ(view_.LineCount(), 3);
  view_.OnUrlClick = [](const std::string&) { throw std::runtime_error("no browser"); };
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(Find("http") + 1));
  EXPECT_EQ(view_.SelectedText(), "http://x.nl");
}

// Whether the character at position is part of a link.
bool IsLinkAt(QTextDocument* document, int position) {
  QTextCursor cursor(document);
  cursor.setPosition(position + 1);
  return cursor.charFormat().isAnchor();
}

TEST_F(QtRichViewTest, AnAddressCutByTheEndOfTheTextIsWholeOnceTheRestComes) {
  view_.SetText("Bericht van : Ann\r\n\r\nKijk op www.test.");
  view_.AppendLines("nl/x?y=1 en verder\r\n");
  const int start = Find("www");
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(start + 12));
  EXPECT_EQ(clicked_, std::vector<std::string>{"www.test.nl/x?y=1"});
  EXPECT_FALSE(IsLinkAt(view_.document(), start + 18)) << "the text after the address";
}

TEST_F(QtRichViewTest, EachAppendMarksOnlyTheNewTextAndTheLineItContinues) {
  // The characters each append inserts or formats, as the document reports its own changes.
  qsizetype changed = 0;
  QObject::connect(view_.document(), &QTextDocument::contentsChange,
                   [&changed](int, int, int added) { changed += added; });
  view_.SetText("begin\r\n");
  QTextCursor selection(view_.document());
  selection.setPosition(1);
  selection.setPosition(4, QTextCursor::KeepAnchor);
  view_.setTextCursor(selection);
  const std::string block = "\r\n-----\r\nBericht van : Ann  (9:05)\r\n\r\nZie www.example.nl/a?b=1 voor de details";
  std::vector<qsizetype> changedPerAppend;
  for (int i = 0; i < 1000; ++i) {
    changed = 0;
    view_.AppendLines(block);
    changedPerAppend.push_back(changed);
  }
  // Each append after the first also formats the last line of the one before, no more.
  EXPECT_LT(changedPerAppend.front(), 3 * static_cast<qsizetype>(block.size()));
  EXPECT_EQ(std::count(changedPerAppend.begin() + 1, changedPerAppend.end(), changedPerAppend[1]), 999);
  EXPECT_EQ(view_.SelectedText(), "egi");
  const QString text = view_.document()->toRawText();
  EXPECT_TRUE(IsLinkAt(view_.document(), static_cast<int>(text.indexOf("www"))));
  EXPECT_TRUE(IsLinkAt(view_.document(), static_cast<int>(text.lastIndexOf("www"))));
}

// A message arriving after a click near the top must still end up in sight.
TEST_F(QtRichViewTest, ClearingTheSelectionKeepsTheViewWhereItWasScrolled) {
  for (int i = 0; i < 30; ++i) view_.AppendLines("\r\nregel " + std::to_string(i));
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(3));
  view_.ScrollLines(view_.LineCount());
  QScrollBar* bar = view_.verticalScrollBar();
  ASSERT_GT(bar->value(), 0);
  view_.ClearSelection();
  EXPECT_EQ(bar->value(), bar->maximum());
}

// A message is text: its markup is never interpreted, so it can neither dress
// itself up nor hide a link behind other words.
TEST_F(QtRichViewTest, MarkupInAMessageIsShownAsTheCharactersItIs) {
  const std::string html = R"(<b>vet</b> <a href="file:///bin/sh">klik</a> <img src="x.png">)";
  const std::string rtf = R"({\rtf1\ansi {\b vet} {\field{\*\fldinst HYPERLINK "file:///bin/sh"}{\fldrslt klik}}})";
  view_.SetText(html);
  view_.AppendLines("\r\n" + rtf);
  EXPECT_EQ(view_.Text(), html + "\r\n" + rtf);
  EXPECT_EQ(view_.toPlainText().toStdString(), html + "\n" + rtf);
  for (QTextBlock block = view_.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      EXPECT_FALSE(format.isAnchor() || format.fontWeight() > QFont::Normal || format.isImageFormat())
          << fragment.fragment().text().toStdString();
    }
  }
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, PointAt(Find("klik") + 1));
  EXPECT_TRUE(clicked_.empty());
}

}  // namespace
