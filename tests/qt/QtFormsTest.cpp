// The main window's key preview and the dialogs' closing rules on real widgets.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "qt/QtDialogForm.h"
#include "qt/QtEdit.h"
#include "qt/QtMainForm.h"

namespace {

using namespace ringlook;

struct PreviewedKey {
  int key;
  ui::ShiftState shift;
};

class MainFormKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* column = new QVBoxLayout(&form_);
    column->addWidget(field_);
    form_.OnKeyDown = [this](int& key, ui::ShiftState shift) {
      // Shift, Ctrl and Alt are keys of their own too.
      if (key >= 0x10 && key <= 0x12) return;
      seen_.push_back({key, shift});
      if (key == consume_) key = 0;
    };
    form_.show();
    form_.Activate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    field_->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field_);
  }

  qt::QtMainForm form_;
  qt::QtEdit* field_ = new qt::QtEdit(&form_);
  std::vector<PreviewedKey> seen_;
  int consume_ = -1;
};

TEST_F(MainFormKeys, MainRowDigitsAndF1HaveTheirCodesAndKeypadDigitsDoNot) {
  QTest::keyClick(field_, Qt::Key_1, Qt::AltModifier);
  QTest::keyClick(field_, Qt::Key_1, Qt::AltModifier | Qt::KeypadModifier);
  QTest::keyClick(field_, Qt::Key_F1);
  // Shift turns the key into its symbol; the key's place on the main row still counts.
  QKeyEvent shiftedZero(QEvent::KeyPress, Qt::Key_ParenRight, Qt::AltModifier | Qt::ShiftModifier, 19, 0, 0,
                        QStringLiteral(")"));
  QApplication::sendEvent(field_, &shiftedZero);

  ASSERT_EQ(seen_.size(), 4U);
  EXPECT_EQ(seen_[0].key, ui::key::kDigit1);
  EXPECT_TRUE(seen_[0].shift.alt);
  EXPECT_FALSE(seen_[0].shift.shift || seen_[0].shift.ctrl);
  EXPECT_NE(seen_[1].key, ui::key::kDigit1);
  EXPECT_EQ(seen_[2].key, ui::key::kF1);
  EXPECT_EQ(seen_[3].key, ui::key::kDigit0);
  EXPECT_TRUE(seen_[3].shift.alt && seen_[3].shift.shift);
}

TEST_F(MainFormKeys, TheWindowSeesKeysBeforeTheFocusedControlAndMayConsumeThem) {
  std::string typed;
  field_->OnKeyPress = [&typed](char& key) { typed.push_back(key); };
  consume_ = 'A';
  QTest::keyClicks(field_, QStringLiteral("ab"));
  EXPECT_EQ(typed, "b");
  EXPECT_EQ(field_->Text(), "b");
  ASSERT_EQ(seen_.size(), 2U) << "each key is previewed once";
}

TEST(QtDialogForm, EveryWayOfClosingAsksOnCloseQueryAndTheCloseBoxMeansCancel) {
  qt::QtDialogForm dialog(Qt::Dialog);
  bool mayClose = false;
  int asked = 0;
  dialog.OnCloseQuery = [&] {
    ++asked;
    return mayClose;
  };
  dialog.Show();
  dialog.close();
  dialog.Close(ui::ModalResult::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(asked, 2);
  dialog.hide();

  mayClose = true;
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.Close(ui::ModalResult::Ok); });
  EXPECT_EQ(dialog.ShowModal(), ui::ModalResult::Ok);
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
  EXPECT_EQ(dialog.ShowModal(), ui::ModalResult::Cancel);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(QtDialogForm, ActivationAndShowingReachTheLogic) {
  qt::QtDialogForm dialog(Qt::Dialog);
  int shows = 0;
  int activations = 0;
  dialog.OnShow = [&shows] { ++shows; };
  dialog.OnActivate = [&activations] { ++activations; };
  QTimer::singleShot(0, &dialog, [&] {
    ASSERT_TRUE(QTest::qWaitFor([&] { return activations == 1; }));
    // A window of the dialog's own, which its modality does not block.
    QWidget other(&dialog, Qt::Window);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dialog.Activate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return activations == 2; }));
    dialog.Close(ui::ModalResult::Cancel);
  });
  dialog.ShowModal();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(activations, 2);
}

// Re-creating the native window (as setWindowFlags does) would hide it.
TEST(QtDialogForm, StaysOnTopSwitchesOnTheShownWindowWithoutHidingIt) {
  qt::QtDialogForm dialog(Qt::Dialog);
  dialog.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QWindow* native = dialog.windowHandle();
  for (const bool onTop : {true, true, false}) {
    dialog.SetStaysOnTop(onTop);
    EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowHandle(), native);
  }
}

}  // namespace
