// The user's side of the whole-program tests: clicks, and steps taken while
// the program waits in its modal loops.
#pragma once

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

namespace ringlook::testing {

// Only a program that hangs keeps a step waiting this long.
inline constexpr int kUserStepsTimeoutMs = 10000;

// Clicks a button of window, found by its object name, from the event loop: the
// caller is free again while a modal loop that the click opens runs.
void Click(QWidget& window, const char* button);
// Clicks and then double-clicks a line of a list with the mouse, from the event loop.
void DoubleClickLine(QAbstractItemView& list, int row);

// What a user does while windows wait in their modal loops: each step acts
// once, in order, as soon as its condition holds. A timer checks, and timers
// run inside every modal loop. When the time is up the open modal windows are
// closed, so that a step that never comes fails the test instead of hanging it.
// A timer does not fire again while its own handler runs: an act that opens a
// modal window must do it through Click.
class UserSteps {
 public:
  struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
  };

  explicit UserSteps(std::vector<Step> steps, int timeoutMs = kUserStepsTimeoutMs);

  [[nodiscard]] bool Done() const { return taken_ == steps_.size(); }
  [[nodiscard]] std::size_t Taken() const { return taken_; }

 private:
  void Poll();

  std::vector<Step> steps_;
  std::size_t taken_ = 0;
  int timeoutMs_;
  QElapsedTimer elapsed_;
  QTimer poll_;
};

}  // namespace ringlook::testing
