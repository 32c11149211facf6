// The number-record dialog's logic on its real widgets: the alert colour as the
// user sees it, Enter in the name field, and the look of the two modes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "qt/QtWindows.h"
#include "records/TFormEdit.h"

namespace {

using namespace ringlook;

QColor Background(const QWidget& field) { return field.palette().color(QPalette::Active, QPalette::Base); }

class QtEditDialogTest : public ::testing::Test {
 protected:
  qt::QtWindows windows_;
  TFormEdit dialog_{windows_.FormEdit()};
  QWidget& name_ = *windows_.EditForm().findChild<QLineEdit*>("Edit1");
  QWidget& number_ = *windows_.EditForm().findChild<QLineEdit*>("Edit2");
  QWidget& note_ = *windows_.EditForm().findChild<QPlainTextEdit*>("Memo1");
};

TEST_F(QtEditDialogTest, TheAlertBoxColoursNameAndNoteRed) {
  const QColor red(255, 100, 100);
  const QColor window = Background(name_);
  windows_.FormEdit().CheckBox1.SetChecked(true);
  EXPECT_EQ(Background(name_), red);
  EXPECT_EQ(Background(note_), red);
  windows_.FormEdit().CheckBox1.SetChecked(false);
  EXPECT_EQ(Background(name_), window);
  EXPECT_EQ(Background(note_), window);
}

TEST_F(QtEditDialogTest, EnterInTheNameFieldNeitherClosesNorTypes) {
  qt::QtDialogForm& form = windows_.EditForm();
  bool stillOpen = false;
  QTimer::singleShot(0, &form, [&] {
    name_.setFocus();
    QTest::keyClicks(&name_, QStringLiteral("Jansen"));
    QTest::keyClick(&name_, Qt::Key_Return);
    stillOpen = form.isVisible();
    form.close();
  });
  form.ShowModal();
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(windows_.FormEdit().Edit1.Text(), "Jansen");
}

TEST_F(QtEditDialogTest, NumberEntryModeGreysNameAndNoteAndEditModeTheNumber) {
  qt::QtDialogForm& form = windows_.EditForm();
  const QColor grey = QApplication::palette().color(QPalette::Active, QPalette::Window);
  for (const auto& [caption, typable] : {std::pair{kAddCaption, &number_}, std::pair{kEditCaption, &name_}}) {
    SCOPED_TRACE(std::string(caption));
    form.SetCaption(caption);
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    form.ShowModal();
    QWidget* greyed = typable == &number_ ? &name_ : &number_;
    EXPECT_EQ(Background(*greyed), grey);
    EXPECT_NE(Background(*typable), grey);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(greyed)->isReadOnly());
    EXPECT_FALSE(qobject_cast<QLineEdit*>(typable)->isReadOnly());
  }
}

}  // namespace
