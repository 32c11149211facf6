// Ends the event loop when a termination signal arrives, so that the program
// leaves through its ordinary way out. The handler only writes a byte to a
// socket pair; the loop reads it and quits. A signal that the program was
// started with ignored (SIGINT of a background job) stays ignored, and the
// former handlers come back when this goes. One at a time.
#pragma once

#include <QSocketNotifier>

#include <csignal>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace ringlook::qt {

class QuitOnSignals {
 public:
  explicit QuitOnSignals(std::initializer_list<int> signalNumbers);
  ~QuitOnSignals();
  QuitOnSignals(const QuitOnSignals&) = delete;
  QuitOnSignals& operator=(const QuitOnSignals&) = delete;

 private:
  int pair_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::vector<std::pair<int, struct sigaction>> former_;
};

}  // namespace ringlook::qt
