// The user's side of the whole-program tests: see UserSteps.h.
#include "UserSteps.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace ringlook::testing {

namespace {
// How often the steps look whether the next one is ready.
constexpr int kPollMs = 20;
}  // namespace

void Click(QWidget& window, const char* button) {
  auto* pressed = window.findChild<QPushButton*>(QString::fromLatin1(button));
  if (pressed != nullptr) QTimer::singleShot(0, pressed, &QPushButton::click);
}

void DoubleClickLine(QAbstractItemView& list, int row) {
  QTimer::singleShot(0, &list, [&list, row] {
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  });
}

UserSteps::UserSteps(std::vector<Step> steps, int timeoutMs) : steps_(std::move(steps)), timeoutMs_(timeoutMs) {
  elapsed_.start();
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  poll_.start(kPollMs);
}

void UserSteps::Poll() {
  if (Done()) {
    poll_.stop();
    return;
  }
  if (elapsed_.elapsed() > timeoutMs_) {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(QDialog::Rejected);
    return;
  }
  if (!steps_[taken_].ready()) return;
  steps_[taken_].act();
  ++taken_;
}

}  // namespace ringlook::testing
