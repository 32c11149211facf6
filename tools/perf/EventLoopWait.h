// Waiting on the program in this process: the event loop runs, so the program
// reads, dispatches and paints while a measurement waits for it.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>

#include "Measure.h"

namespace ringlook::perf {

// Runs the event loop until done() holds; false when timeoutMs pass first. The
// figures' instants come from their own watches, not from these wake-ups.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const Instant end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  QTimer wake;
  wake.start(10);
  while (!done()) {
    if (Clock::now() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

inline void Idle(int ms) {
  const Instant end = Clock::now() + std::chrono::milliseconds(ms);
  WaitUntil([end] { return Clock::now() >= end; }, ms + 1000);
}

// The child of window named name; throws when there is none.
template <typename T>
T& Find(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no ") + name + " in the main window");
  return *child;
}

}  // namespace ringlook::perf
