// The application's desktop side: title, message boxes and help.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>

#include "qt/QtApplication.h"
#include "qt/QtClock.h"

namespace {

using namespace ringlook;

// Stands in for the desktop's handlers of the given URL schemes and keeps
// every URL it is asked to open.
class DesktopStandIn : public QObject {
  Q_OBJECT

 public:
  explicit DesktopStandIn(QStringList schemes) : schemes_(std::move(schemes)) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~DesktopStandIn() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }
  DesktopStandIn(const DesktopStandIn&) = delete;
  DesktopStandIn& operator=(const DesktopStandIn&) = delete;

  QStringList opened;

 public slots:
  void Open(const QUrl& url) { opened << url.toString(); }

 private:
  QStringList schemes_;
};

class QtApplicationTest : public ::testing::Test {
 protected:
  // Answers the next message box with the button captioned answer, noting
  // what the box looked like.
  void AnswerNextBox(const QString& answer) {
    QTimer::singleShot(0, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      boxTitle_ = box->windowTitle();
      boxButtons_.clear();
      QAbstractButton* chosen = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        boxButtons_ << button->text();
        if (button->text() == answer) chosen = button;
      }
      ASSERT_NE(chosen, nullptr);
      chosen->click();
    });
  }

  qt::QtMainForm form_;
  qt::QtClock clock_;
  qt::QtApplication app_{form_, clock_};
  QString boxTitle_;
  QStringList boxButtons_;
};

TEST_F(QtApplicationTest, ConfirmationAsksYesOrNo) {
  AnswerNextBox("&No");
  EXPECT_EQ(app_.MessageBox("Weet u zeker dat u Ringlook wilt afsluiten ?", ui::MessageKind::Confirmation),
            ui::MessageAnswer::No);
  EXPECT_EQ(boxTitle_, "Confirm");
  EXPECT_EQ(boxButtons_, (QStringList{"&Yes", "&No"}));
  AnswerNextBox("&Yes");
  EXPECT_EQ(app_.MessageBox("Verwijder de historie van  Ann ?", ui::MessageKind::Confirmation), ui::MessageAnswer::Yes);
}

TEST_F(QtApplicationTest, ErrorAndInformationHaveOneButton) {
  AnswerNextBox("OK");
  EXPECT_EQ(app_.MessageBox("Invalid data type for 'Popup'", ui::MessageKind::Error), ui::MessageAnswer::Ok);
  EXPECT_EQ(boxButtons_.size(), 1);
}

TEST_F(QtApplicationTest, TitleIsTheTaskBarTextAndTheTrayToolTipAndLeavesTheCaption) {
  form_.setWindowTitle("Ringlook v2.54");
  app_.SetTitle("x Jansen \xe9");
  EXPECT_EQ(form_.windowIconText(), QString::fromUtf8("x Jansen \xc3\xa9"));
  EXPECT_EQ(app_.TrayIcon().toolTip(), QString::fromUtf8("x Jansen \xc3\xa9"));
  EXPECT_EQ(form_.windowTitle(), "Ringlook v2.54");
}

TEST_F(QtApplicationTest, TheProgramIconComesInTheThemeSizes) {
  const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
  for (const QSize size : {QSize(16, 16), QSize(48, 48), QSize(256, 256)}) EXPECT_TRUE(sizes.contains(size));
  EXPECT_EQ(app_.TrayIcon().icon().cacheKey(), QApplication::windowIcon().cacheKey());
}

TEST_F(QtApplicationTest, MinimiseAndRaiseWithoutActivating) {
  form_.show();
  app_.Minimize();
  EXPECT_TRUE(app_.Minimized());
  app_.RaiseWithoutActivating(form_);
  EXPECT_FALSE(app_.Minimized());
  EXPECT_TRUE(form_.isVisible());
}

// The screens of the test's offscreen platform (offscreen-screens.json): a
// laptop, and a monitor to its left.
TEST_F(QtApplicationTest, TheScreensAreTheDesktopsAvailableAreasPrimaryFirst) {
  std::vector<QRect> areas;
  for (const ui::Rect& area : app_.Screens()) areas.emplace_back(area.left, area.top, area.width, area.height);
  EXPECT_EQ(areas, (std::vector<QRect>{{0, 0, 1280, 800}, {-1920, 0, 1920, 1080}}));
  form_.move(3000, 2000);
  form_.show();
  EXPECT_GT(form_.TitleBarHeight(), 0);
  const ui::Position placed =
      ui::OnScreen({form_.Left(), form_.Top(), form_.Width(), form_.Height()}, form_.TitleBarHeight(), app_.Screens());
  EXPECT_EQ(placed, (ui::Position{155, 125}));
}

TEST_F(QtApplicationTest, HelpOpensTheShippedManualAtTheAskedSection) {
  app_.ShowHelpContext(100);
  ASSERT_NE(app_.Help(), nullptr);
  EXPECT_TRUE(app_.Help()->isVisible());
  EXPECT_EQ(app_.Help()->Anchor(), "hoofdvenster");
  EXPECT_TRUE(app_.Help()->Browser().toPlainText().contains("Alt+1")) << "the manual is in the program";
  app_.ShowHelpTopic("Imported_Topic1");
  EXPECT_EQ(app_.Help()->Anchor(), "inhoud");
}

// The desktop gets the address the one rule allows, as a URL, and nothing for
// any other text; the rule's own cases are in the unit tests.
TEST_F(QtApplicationTest, OpenAddressHandsOnlyWebAndMailAddressesToTheDesktop) {
  DesktopStandIn desktop({"http", "file"});
  app_.OpenAddress("www.test.nl/x?y=1");
  app_.OpenAddress("file:///bin/sh");
  EXPECT_EQ(desktop.opened, QStringList{"http://www.test.nl/x?y=1"});
}

}  // namespace

#include "QtApplicationTest.moc"
