// A timer on the Windows message loop (SetTimer on a hidden window of its own).
#pragma once

#include "ports/Timer.h"
#include "win32/MessageWindow.h"

namespace ringlook::win32 {

class Win32Timer : public Timer {
 public:
  explicit Win32Timer(int intervalMs, bool enabled = true);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  [[nodiscard]] int Interval() const override { return interval_; }
  // A running timer starts its new interval from now.
  void SetInterval(int ms) override;
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

 private:
  void Arm();

  int interval_;
  bool enabled_ = false;
  MessageWindow window_;
};

}  // namespace ringlook::win32
