// A repeating timer on the user-interface event loop.
#pragma once

#include <functional>

namespace ringlook {

class Timer {
 public:
  virtual ~Timer() = default;
  [[nodiscard]] virtual int Interval() const = 0;
  virtual void SetInterval(int ms) = 0;
  [[nodiscard]] virtual bool Enabled() const = 0;
  // Enabling a running timer changes nothing; disabling and enabling restarts it.
  virtual void SetEnabled(bool enabled) = 0;

  // Stop then start, so the full interval counts from now.
  void Restart() {
    SetEnabled(false);
    SetEnabled(true);
  }

  std::function<void()> OnTimer;
};

}  // namespace ringlook
