// Windows timer: see Win32Timer.h.
#include "win32/Win32Timer.h"

namespace ringlook::win32 {

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Win32Timer::Win32Timer(int intervalMs, bool enabled)
    : interval_(intervalMs), window_([this](UINT message, WPARAM, LPARAM) {
        if (message == WM_TIMER && enabled_ && OnTimer) OnTimer();
      }) {
  SetEnabled(enabled);
}

Win32Timer::~Win32Timer() { KillTimer(window_.Handle(), kTimerId); }

void Win32Timer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) Arm();
}

void Win32Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    Arm();
  } else {
    KillTimer(window_.Handle(), kTimerId);
  }
}

void Win32Timer::Arm() {
  // Setting the same timer again replaces it: the full interval counts from now.
  SetTimer(window_.Handle(), kTimerId, static_cast<UINT>(interval_ > 0 ? interval_ : 1), nullptr);
}

}  // namespace ringlook::win32
