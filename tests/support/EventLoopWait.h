// Waiting on the Qt event loop in whole-program tests and measurements: until a condition holds
// (with a deadline that only catches a program that hangs), or for a while.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace ringlook::testing {

// Runs the event loop until done() holds or timeoutMs have passed; false on the latter.
// The loop sleeps until an event comes; a timer wakes it now and then to look
// at done() and the deadline.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  QElapsedTimer elapsed;
  elapsed.start();
  QTimer wake;
  wake.start(10);
  while (!done()) {
    if (elapsed.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Lets the loop run for a while, to show that something does NOT happen.
inline void RunEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace ringlook::testing
