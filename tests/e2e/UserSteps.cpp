// The user's side of the end-to-end tests: see UserSteps.h.
#include "UserSteps.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace ringlook::e2e {

namespace {
// How often the steps look whether the next one is ready.
constexpr int kPollMs = 20;
}  // namespace

void Click(QWidget& window, const char* button) {
  auto* pressed = window.findChild<QPushButton*>(QString::fromLatin1(button));
  if (pressed != nullptr) QTimer::singleShot(0, pressed, &QPushButton::click);
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

}  // namespace ringlook::e2e
