// A timer on the Qt event loop. Precise, because the core counts on its intervals.
#pragma once

#include <QTimer>

#include "ports/Timer.h"

namespace ringlook::qt {

class QtTimer : public Timer {
 public:
  explicit QtTimer(int intervalMs, bool enabled = true);
  [[nodiscard]] int Interval() const override { return timer_.interval(); }
  void SetInterval(int ms) override;
  [[nodiscard]] bool Enabled() const override { return timer_.isActive(); }
  void SetEnabled(bool enabled) override;

 private:
  QTimer timer_;
};

}  // namespace ringlook::qt
