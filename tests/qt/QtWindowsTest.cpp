// The five windows as built for the program, on the real widgets: the window
// definitions' table test, and what is Qt's own: places, tab orders, fonts,
// window kinds, keys, typing against the limits and the menus' opening.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "WindowsContract.h"
#include "qt/Cp1252.h"
#include "qt/QtStatusBar.h"
#include "qt/QtWindows.h"
#include "ui/WindowDefinitions.h"

namespace {

using namespace ringlook;
namespace main_window = ui::definitions::main_window;

QSize FormSize(const ui::definitions::FormDefinition& form) { return {form.width, form.height}; }

template <typename Widget = QWidget>
Widget& Child(const QWidget& window, const char* name) {
  auto* child = window.findChild<Widget*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *child;
}

// The controls a user reaches with Tab, in order, by object name.
QStringList TabOrder(const QWidget& window) {
  QStringList order;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
      order << w->objectName();
    }
  }
  return order;
}

QString AccessibleName(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

// What the user sees of the windows, read from the widgets by name.
class QtBuiltWindows final : public ringlook::testing::BuiltWindows {
 public:
  const ui::FormRinglookControls& FormRinglook() override { return windows_.FormRinglook(); }
  std::string NameOf(const char* form) override { return Form(form).objectName().toStdString(); }
  std::string CaptionOf(const char* form) override { return qt::ToCp1252(Form(form).windowTitle()); }
  std::string CaptionOf(const char* form, const char* control) override {
    QWidget& widget = Child(Form(form), control);
    if (auto* label = qobject_cast<QLabel*>(&widget)) return qt::ToCp1252(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) return qt::ToCp1252(button->text());
    return "(no caption)";
  }
  // As typed: one more character than any field takes.
  int LimitOf(const char* form, const char* control) override {
    QWidget& field = Child(Form(form), control);
    QTest::keyClicks(&field, QString(1025, QLatin1Char('m')));
    auto* edit = dynamic_cast<ui::Edit*>(&field);
    return edit == nullptr ? -1 : static_cast<int>(edit->Text().size());
  }
  std::vector<ringlook::testing::ShownEntry> MenuOf(const char* form, const char* menu) override {
    std::vector<ringlook::testing::ShownEntry> entries;
    for (const QAction* action : Child<QMenu>(Form(form), menu).actions()) {
      entries.push_back({action->objectName().toStdString(), action->isSeparator() ? "-" : qt::ToCp1252(action->text()),
                         action->isVisible()});
    }
    return entries;
  }

 private:
  QWidget& Form(std::string_view name) { return ringlook::testing::FormNamed<QWidget>(windows_, name); }

  qt::QtWindows windows_;
};

using ringlook::testing::WindowsContract;
INSTANTIATE_TEST_SUITE_P(Qt, WindowsContract,
                         ::testing::Values(ringlook::testing::FrontEnd{
                             "Qt", [] { return std::make_unique<QtBuiltWindows>(); }}));

class QtWindowsTest : public ::testing::Test {
 protected:
  qt::QtWindows windows_;
};

TEST_F(QtWindowsTest, MainWindowLayout) {
  qt::QtMainForm& form = windows_.MainForm();
  EXPECT_EQ(form.size(), FormSize(ui::definitions::main_window::kForm));
  EXPECT_EQ(&windows_.FormRinglook().Self, &form);

  auto& panel2 = Child(form, "Panel2");
  EXPECT_EQ(panel2.height(), main_window::kSearchBarHeight);
  // At the designed places, or further right where the desktop font needs the room.
  auto& label1 = Child<QLabel>(panel2, "Label1");
  EXPECT_EQ(label1.x(), main_window::kLabel1Left);
  const QRect edit1 = Child(panel2, "Edit1").geometry();
  EXPECT_GE(edit1.left(),
            std::max(main_window::kEdit1Left, label1.x() + label1.fontMetrics().horizontalAdvance(label1.text())));
  EXPECT_EQ(edit1.width(), main_window::kEdit1Width);
  EXPECT_GE(Child(panel2, "Button2").geometry().left(), std::max(main_window::kButton2Left, edit1.right()));
  EXPECT_GE(Child(panel2, "Button2").width(), main_window::kButton2Width);
  EXPECT_GE(windows_.FormRinglook().Button1.Width(), main_window::kButton1Width);
  EXPECT_EQ(TabOrder(form), (QStringList{"Edit1", "Button1", "Button2", "ListBox1"}));

  auto& list = Child<QListView>(Child(form, "Panel1"), "ListBox1");
  EXPECT_EQ(list.palette().color(QPalette::Base), QColor(192, 192, 192));
  EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());

  const auto& bar = static_cast<const qt::QtStatusBar&>(windows_.FormRinglook().StatusBar1);
  EXPECT_EQ(bar.height(), 19);
  ASSERT_EQ(bar.PanelCount(), 3);
  form.show();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar.PanelBevel(i), ui::Bevel::Lowered);
    const QLabel& panel = bar.PanelLabel(i);
    EXPECT_LE(panel.fontMetrics().horizontalAdvance(panel.text()), panel.contentsRect().width())
        << "start text of panel " << i << " is cut off";
  }
  // The designed widths, or wider where the desktop font needs it.
  EXPECT_GE(bar.PanelLabel(1).x(), 90);
  EXPECT_GE(bar.PanelLabel(2).x() - bar.PanelLabel(1).x(), 235);
}

TEST_F(QtWindowsTest, ContextMenuOpensOverTheListAndTheStatusBar) {
  qt::QtMainForm& form = windows_.MainForm();
  auto& menu = Child<QMenu>(form, "PopupMenu1");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const auto& bar = static_cast<const qt::QtStatusBar&>(windows_.FormRinglook().StatusBar1);
  for (QWidget* target :
       std::initializer_list<QWidget*>{Child<QListView>(form, "ListBox1").viewport(), &bar.PanelLabel(1)}) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &click);
    EXPECT_TRUE(menu.isVisible()) << target->objectName().toStdString();
    menu.hide();
  }
}

TEST_F(QtWindowsTest, SetupDialog) {
  qt::QtDialogForm& form = windows_.SetupForm();
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(AccessibleName(Child(form, "Edit1")), "Ringlook Server IP") << "the field is named by its label";
  EXPECT_EQ(TabOrder(form), (QStringList{"Edit1", "Edit2", "CheckBox1", "CheckBox2", "Button1"}));
  const ui::FormSetupControls& setup = windows_.FormSetup();
  EXPECT_FALSE(setup.CheckBox1.Checked() || setup.CheckBox2.Checked());

  // Enter in a field and Escape leave the dialog open, though "Ok" would close it.
  setup.Button1.OnClick = [&form] { form.Close(ui::ModalResult::Ok); };
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QWidget* field = QApplication::focusWidget();
  ASSERT_EQ(field, &Child(form, "Edit1")) << "the server field has the focus first";
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible()) << "Enter";
  QTest::keyClick(field, Qt::Key_Escape);
  QTest::keyClick(&Child(form, "Button1"), Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible()) << "Escape";
  QTest::mouseClick(&Child(form, "Button1"), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(QtWindowsTest, EditDialog) {
  qt::QtDialogForm& form = windows_.EditForm();
  const ui::FormEditControls& edit = windows_.FormEdit();
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "fixed size";
  EXPECT_EQ(Child<QPlainTextEdit>(form, "Memo1").verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  form.show();
  const QRect check = Child(form, "CheckBox1").geometry();
  EXPECT_GT(check.left(), Child(form, "Edit2").geometry().right()) << "Alert stands right of the number";

  QTest::keyClicks(&Child(form, "Edit2"), QStringLiteral("0123"));
  EXPECT_EQ(edit.Edit2.Text(), "") << "the number cannot be typed over";

  QTimer::singleShot(0, &form, [&form] { form.close(); });
  EXPECT_EQ(form.ShowModal(), ui::ModalResult::Cancel) << "the close box cancels";
}

TEST_F(QtWindowsTest, SendDialog) {
  qt::QtDialogForm& form = windows_.SentMSGForm();
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(form.size(), FormSize(ui::definitions::send_dialog::kForm));
  auto& combo = Child<QComboBox>(form, "ComboBox1");
  EXPECT_FALSE(combo.isEditable());
  EXPECT_EQ(combo.maxVisibleItems(), 12);
  EXPECT_TRUE(QFontInfo(combo.font()).fixedPitch());
  auto& memo = Child<QPlainTextEdit>(form, "Memo1");
  form.show();
  EXPECT_EQ(memo.geometry(), QRect(0, 41, 346, 135));
  EXPECT_TRUE(QFontInfo(memo.font()).fixedPitch());
}

TEST_F(QtWindowsTest, MessagesWindow) {
  qt::QtDialogForm& form = windows_.MSGForm();
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form.size(), FormSize(ui::definitions::messages_window::kForm));
  auto& view = Child<QTextBrowser>(form, "RichOntvang");
  form.show();
  EXPECT_EQ(view.geometry(), QRect(0, 0, 479, 155));
  EXPECT_TRUE(view.isReadOnly());
  EXPECT_EQ(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_LT(Child(form, "Button3").x(), Child(form, "Button2").x());
  EXPECT_LT(Child(form, "Button2").x(), Child(form, "Button1").x());

  int copies = 0;
  windows_.FormMSG().KopieerenCTRLC1.OnClick = [&copies] { ++copies; };
  QApplication::clipboard()->setText("vorige");
  windows_.FormMSG().RichOntvang.SetText("\r\nBericht\r\n");
  view.selectAll();
  form.Activate();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copies, 1) << "Ctrl+C is the menu item";
  EXPECT_EQ(QApplication::clipboard()->text(), "vorige") << "not the view's own untrimmed copy";
}

}  // namespace
