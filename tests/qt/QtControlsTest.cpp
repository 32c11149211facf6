// The Qt controls behave as the in-memory ones the logic is tested with: typed
// characters, length limits, sorting, state-change clicks, and the status bar's
// panels as a user meets them (a screen reader's side: AccessibilityTest).
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "qt/Cp1252.h"
#include "qt/QtCheckBox.h"
#include "qt/QtComboBox.h"
#include "qt/QtEdit.h"
#include "qt/QtListBox.h"
#include "qt/QtMemo.h"
#include "qt/QtStatusBar.h"

namespace {

using namespace ringlook;

TEST(QtEdit, EveryTypedCharacterPassesOnKeyPressAndZeroSwallowsIt) {
  qt::QtEdit edit(nullptr);
  std::string seen;
  edit.OnKeyPress = [&seen](char& key) {
    seen.push_back(key);
    if (key == '\r' || key == 'x') key = 0;
  };
  QTest::keyClicks(&edit, QStringLiteral("axb"));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QTest::keyClick(&edit, Qt::Key_Return);
  QTest::keyClick(&edit, Qt::Key_Left);
  QTest::keyClick(&edit, Qt::Key_Delete);
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xc3\xa9"));
  QApplication::sendEvent(&edit, &eAcute);
  EXPECT_EQ(seen, "axb\b\r\xe9");
  EXPECT_EQ(edit.Text(), "\xe9");
}

TEST(QtEdit, BackgroundColoursAndLimit) {
  qt::QtEdit edit(nullptr, 37);
  edit.SetBackground(ui::Colour::Alert);
  EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base), QColor(255, 100, 100));
  edit.SetBackground(ui::Colour::Window);
  EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base),
            QApplication::palette().color(QPalette::Active, QPalette::Base));
  QTest::keyClicks(&edit, QString(40, QLatin1Char('n')));
  EXPECT_EQ(edit.Text(), std::string(37, 'n'));
}

// Each way text reaches a field, on a field of either kind.
void Paste(QWidget& field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QMetaObject::invokeMethod(&field, "paste");
}
void Compose(QWidget& field, const QString& text) {
  QInputMethodEvent composed;
  composed.setCommitString(text);
  QApplication::sendEvent(&field, &composed);
}
void TypeEachCharacter(QWidget& field, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, length));
    QApplication::sendEvent(&field, &key);
    i += length - 1;
  }
}

TEST(QtMemo, LimitCountsLineBreaksAsTwoAndHoldsForTypingPasteAndInputMethodsButNotTheProgram) {
  qt::QtMemo memo(nullptr, 10);
  QTest::keyClicks(&memo, QStringLiteral("abcd"));
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClicks(&memo, QStringLiteral("efghij"));
  EXPECT_EQ(memo.Text(), "abcd\r\nefgh");

  QTest::keyClick(&memo, Qt::Key_Backspace);
  QTest::keyClick(&memo, Qt::Key_Backspace);
  Paste(memo, QStringLiteral("XYZ"));
  EXPECT_EQ(memo.Text(), "abcd\r\nefXY");

  // A selection that the new text replaces makes room for it.
  memo.selectAll();
  memo.paste();
  EXPECT_EQ(memo.Text(), "XYZ");

  Compose(memo, QStringLiteral("0123456789"));
  EXPECT_EQ(memo.Text(), "XYZ0123456");

  // The program may set a longer text; the limit is for the user. Its lines are
  // joined by CR LF and keep every byte.
  memo.SetText("een\r\ntwee\xa0\x80\r\n");
  EXPECT_EQ(memo.blockCount(), 3);
  EXPECT_EQ(memo.Text(), "een\r\ntwee\xa0\x80\r\n");
}

// A text with what no request may carry unseen: a tab, a line break, a NUL, a
// control byte, characters outside the code page, and an accent typed apart.
QString UnsendableText() {
  return QString::fromUtf8("Jan\tJansen\r\n\xf0\x9f\x98\x80\xd0\x96 e\xcc\x81") + QChar(0) + QString::fromUtf8("\x01!");
}

TEST(QtEditAndMemo, TakeOnlyTextTheyCanSendAsShownHoweverItComesIn) {
  struct Way {
    const char* name;
    void (*put)(QWidget&, const QString&);
    QString text;
    std::string oneLine;
    std::string multiLine;
    std::string keys;
  };
  const Way ways[] = {
      {"paste", Paste, UnsendableText(), "Jan Jansen  \xe9!", "Jan Jansen\r\n \xe9!", ""},
      {"input method", Compose, UnsendableText(), "Jan Jansen  \xe9!", "Jan Jansen\r\n \xe9!", ""},
      {"typing", TypeEachCharacter, QString::fromUtf8("Jan \xf0\x9f\x98\x80\xd0\x96\xc3\xa9!"), "Jan \xe9!",
       "Jan \xe9!", "Jan \xe9!"},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    qt::QtEdit edit(nullptr);
    std::string keys;
    edit.OnKeyPress = [&keys](char& key) { keys.push_back(key); };
    way.put(edit, way.text);
    EXPECT_EQ(edit.Text(), way.oneLine);
    EXPECT_EQ(edit.text().toStdString(), qt::FromCp1252(edit.Text()).toStdString()) << "shown as sent";
    EXPECT_EQ(keys, way.keys) << "only typable keys reach the logic";

    qt::QtMemo memo(nullptr, 400);
    way.put(memo, way.text);
    EXPECT_EQ(memo.Text(), way.multiLine);
  }
}

TEST(QtComboBox, KeepsEntriesSortedWithoutRegardToCaseAndChoosesNoneByItself) {
  qt::QtComboBox combo(nullptr);
  for (const char* name : {"piet", "Ann", "bob", "anna", "Zoe"}) combo.Add(name);
  std::vector<std::string> items;
  for (int i = 0; i < combo.Count(); ++i) items.push_back(combo.Item(i));
  EXPECT_EQ(items, (std::vector<std::string>{"Ann", "anna", "bob", "piet", "Zoe"}));
  EXPECT_EQ(combo.ItemIndex(), -1);

  combo.SetItemIndex(2);
  combo.Add("Aart");
  EXPECT_EQ(combo.Item(combo.ItemIndex()), "bob");
  combo.Clear();
  combo.Add("x");
  EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST(QtCheckBox, OnClickRunsOnEveryChangeOfState) {
  qt::QtCheckBox box(nullptr, QStringLiteral("Alert"));
  box.show();
  int clicks = 0;
  box.OnClick = [&clicks] { ++clicks; };
  box.SetChecked(true);
  box.SetChecked(true);
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box.Checked());
}

TEST(QtListBox, SelectionInsertAndFont) {
  qt::QtListBox list(nullptr);
  list.Add("b");
  list.Insert(0, "a");
  list.Insert(99, "c\xe9");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(2), "c\xe9");
  EXPECT_EQ(list.ItemIndex(), -1);

  list.SetItemIndex(1);
  list.Insert(0, "new");
  EXPECT_EQ(list.ItemIndex(), 2);
  list.SetItem(2, "B");
  EXPECT_EQ(list.ItemIndex(), 2);

  EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
  EXPECT_EQ(list.FontHeight(), 13);
  EXPECT_EQ(list.ItemHeight(), 15);
  list.SetFontHeight(15);
  EXPECT_EQ(QFontInfo(list.font()).pixelSize(), 15);
  list.Clear();
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(QtListBox, ClicksAndDoubleClicksOnLinesReachTheLogic) {
  qt::QtListBox list(nullptr);
  list.resize(300, 200);
  list.Add("een");
  list.Add("twee");
  list.show();
  int clicks = 0;
  int doubleClicks = 0;
  list.OnClick = [&clicks] { ++clicks; };
  list.OnDblClick = [&doubleClicks] { ++doubleClicks; };
  const QPoint second = list.visualRect(list.model()->index(1, 0)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(list.ItemIndex(), 1);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
  EXPECT_GE(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
  const int before = clicks;
  list.SetItemIndex(0);
  EXPECT_EQ(clicks, before) << "a line chosen by the program is no click";
}

// A raised panel is lit from above: lighter just inside its top edge than just
// inside its bottom one. A sunken one has its dark edge on top.
bool LooksRaised(QWidget& panel) {
  const QImage image = panel.grab().toImage();
  const int x = image.width() / 2;
  return qGray(image.pixel(x, 1)) > qGray(image.pixel(x, image.height() - 2));
}

bool LooksSunken(QWidget& panel) {
  const QImage image = panel.grab().toImage();
  const int x = image.width() / 2;
  return qGray(image.pixel(x, 0)) < qGray(image.pixel(x, image.height() - 1));
}

TEST(QtStatusBar, PanelsShowTheirTextsAndBevels) {
  qt::QtStatusBar bar(nullptr, {90, 235, 50});
  bar.resize(525, 19);
  bar.show();
  bar.SetPanelText(0, "  Verbonden");
  bar.SetPanelText(3, "no such panel");
  EXPECT_EQ(bar.PanelLabel(0).text(), QStringLiteral("  Verbonden"));
  EXPECT_EQ(bar.PanelText(3), "");

  EXPECT_EQ(bar.PanelBevel(0), ui::Bevel::Lowered);
  EXPECT_TRUE(LooksSunken(bar.PanelLabel(0)));
  EXPECT_FALSE(LooksRaised(bar.PanelLabel(0)));
  bar.SetPanelBevel(0, ui::Bevel::Raised);
  EXPECT_TRUE(LooksRaised(bar.PanelLabel(0)));
  EXPECT_FALSE(LooksSunken(bar.PanelLabel(0)));

  EXPECT_EQ(bar.PanelLabel(1).x(), 90);
  EXPECT_EQ(bar.PanelLabel(2).x(), 325);
  EXPECT_EQ(bar.PanelLabel(2).geometry().right(), bar.width() - 1) << "the last panel reaches the right edge";

  int clicks = 0;
  bar.OnClick = [&clicks] { ++clicks; };
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(400, 10));
  QTest::mouseClick(&bar, Qt::RightButton, {}, QPoint(40, 10));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
