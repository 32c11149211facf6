// What a screen reader finds in the windows: their roles, names that follow the
// captions and the status panels, the caller lines as list items, and a name on
// every control a user can reach.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QListView>

#include <vector>

#include "qt/HelpWindow.h"
#include "qt/QtRichView.h"
#include "qt/QtStatusBar.h"
#include "qt/QtWindows.h"
#include "ui/WindowDefinitions.h"

namespace {

using namespace ringlook;

QAccessibleInterface& Accessible(QObject& object) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(&object);
  if (found == nullptr) throw std::runtime_error("not accessible: " + object.objectName().toStdString());
  return *found;
}

QString Name(QObject& object) { return Accessible(object).text(QAccessible::Name); }

class AccessibilityTest : public ::testing::Test {
 protected:
  qt::QtWindows windows_;
  qt::HelpWindow help_;
};

TEST_F(AccessibilityTest, EveryWindowIsAWindowNamedByItsCurrentCaption) {
  const std::vector<std::pair<QWidget*, QAccessible::Role>> windows{
      {&windows_.MainForm(), QAccessible::Window},    {&help_, QAccessible::Window},
      {&windows_.SetupForm(), QAccessible::Dialog},   {&windows_.EditForm(), QAccessible::Dialog},
      {&windows_.SentMSGForm(), QAccessible::Dialog}, {&windows_.MSGForm(), QAccessible::Dialog}};
  for (const auto& [window, role] : windows) {
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_EQ(Accessible(*window).role(), role);
    EXPECT_EQ(Name(*window), window->windowTitle());
    window->setWindowTitle(window->windowTitle() + " v2.54");
    EXPECT_EQ(Name(*window), window->windowTitle());
  }
}

TEST_F(AccessibilityTest, TheMinimisedMainWindowIsStillNamedByItsCaptionNotByTheTitle) {
  qt::QtMainForm& form = windows_.MainForm();
  form.SetCaption("Ringlook v2.54");
  form.setWindowIconText("x Jansen");
  form.showMinimized();
  EXPECT_EQ(Name(form), "Ringlook v2.54");
}

TEST_F(AccessibilityTest, TheStatusBarReadsItsPanelsAsTheyAre) {
  auto& bar = static_cast<qt::QtStatusBar&>(windows_.FormRinglook().StatusBar1);
  QAccessibleInterface& accessible = Accessible(bar);
  EXPECT_EQ(accessible.role(), QAccessible::StatusBar);
  ASSERT_EQ(accessible.childCount(), 3);

  bar.SetPanelText(0, "   Verbonden");
  bar.SetPanelText(1, "  Aantal (vandaag) : 12");
  QStringList panels;
  for (int i = 0; i < accessible.childCount(); ++i) {
    EXPECT_EQ(accessible.child(i)->role(), QAccessible::StaticText);
    panels << accessible.child(i)->text(QAccessible::Name);
  }
  EXPECT_EQ(panels, (QStringList{"   Verbonden", "  Aantal (vandaag) : 12", "      F1 = Help"}));
}

TEST_F(AccessibilityTest, CallerLinesAreListItemsThatReadAsTheirLine) {
  ui::ListBox& list = windows_.FormRinglook().ListBox1;
  list.Add("  Jansen                          0201234567");
  list.Insert(0, "x Notariskantoor Mulder           0383334455");
  auto& widget = *windows_.MainForm().findChild<QListView*>("ListBox1");
  QAccessibleInterface& accessible = Accessible(widget);
  EXPECT_EQ(accessible.role(), QAccessible::List);
  EXPECT_EQ(accessible.text(QAccessible::Name), "Gesprekken");
  ASSERT_EQ(accessible.childCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(accessible.child(i)->role(), QAccessible::ListItem);
    EXPECT_EQ(accessible.child(i)->text(QAccessible::Name), QString::fromStdString(list.Item(i)));
  }
}

// A button or check box is read by its caption from the window definitions; a
// field, list or view, which has no caption of its own, by its label's.
TEST_F(AccessibilityTest, EveryControlAUserCanReachCarriesItsCaption) {
  for (QWidget* window :
       std::initializer_list<QWidget*>{&windows_.MainForm(), &windows_.SetupForm(), &windows_.EditForm(),
                                       &windows_.SentMSGForm(), &windows_.MSGForm()}) {
    int fields = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      // The drop-down list of a combo box is a window of its own.
      if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != window) continue;
      if (qobject_cast<QAbstractButton*>(control) != nullptr) continue;
      ++fields;
      EXPECT_FALSE(Name(*control).trimmed().isEmpty())
          << window->objectName().toStdString() << "/" << control->objectName().toStdString() << " "
          << control->metaObject()->className();
    }
    EXPECT_GT(fields, 0) << window->objectName().toStdString();
  }
  for (const auto& [form, control] : ui::definitions::kCaptions) {
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String(form)) window = top;
    }
    ASSERT_NE(window, nullptr) << form;
    auto* button = window->findChild<QAbstractButton*>(QLatin1String(control.name));
    if (button == nullptr) continue;  // a label, which a screen reader reads as text
    EXPECT_EQ(Name(*button), QString::fromLatin1(control.caption)) << form << "/" << control.name;
  }
}

// A screen reader moves through the messages line by line and reaches each
// address as a link it can press.
TEST_F(AccessibilityTest, TheMessagesViewReadsAsReadOnlyTextWithItsAddressesAsLinks) {
  auto& view = static_cast<qt::QtRichView&>(windows_.FormMSG().RichOntvang);
  view.SetText("Bericht van : Ann\r\n\r\nZie www.test.nl en\r\nhttps://example.org/a");
  std::vector<std::string> pressed;
  view.OnUrlClick = [&pressed](const std::string& url) { pressed.push_back(url); };
  QAccessibleInterface& accessible = Accessible(view);
  EXPECT_EQ(accessible.role(), QAccessible::EditableText);
  EXPECT_TRUE(accessible.state().readOnly);
  EXPECT_TRUE(accessible.state().multiLine);
  EXPECT_FALSE(accessible.state().editable);
  QAccessibleTextInterface* text = accessible.textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), "Bericht van : Ann\n\nZie www.test.nl en\nhttps://example.org/a");
  int start = 0;
  int end = 0;
  EXPECT_EQ(text->textAtOffset(20, QAccessible::LineBoundary, &start, &end), "Zie www.test.nl en\n");

  std::vector<QString> links;
  for (int i = 0; i < accessible.childCount(); ++i) {
    QAccessibleInterface* child = accessible.child(i);
    if (child == nullptr || child->role() != QAccessible::Link) continue;
    EXPECT_EQ(child->parent(), &accessible);
    links.push_back(child->text(QAccessible::Name));
    ASSERT_NE(child->actionInterface(), nullptr);
    child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  }
  EXPECT_EQ(links, (std::vector<QString>{"www.test.nl", "https://example.org/a"}));
  EXPECT_EQ(pressed, (std::vector<std::string>{"www.test.nl", "https://example.org/a"}));
}

}  // namespace
