// How a measurement waits on the program in this process (with the tests'
// waits), and finds a control of the main window by its name.
#pragma once

#include <QWidget>
#include <stdexcept>
#include <string>

#include "EventLoopWait.h"

namespace ringlook::perf {

using testing::RunEventsFor;
using testing::WaitUntil;

// The child of window named name; throws when there is none.
template <typename T>
T& Find(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no ") + name + " in the main window");
  return *child;
}

}  // namespace ringlook::perf
