// One running copy per user log-on, and the hand-over through which a second
// start asks the first to come forward.
#pragma once

#include <functional>

namespace ringlook {

class InstanceLock {
 public:
  enum class Outcome { First, Another, Failed };

  virtual ~InstanceLock() = default;
  // Takes the lock (a stale one left by a killed copy is taken over).
  virtual Outcome Acquire() = 0;
  // First copy: listen for hand-over requests; showPrevious runs on the UI thread.
  virtual void ListenForOthers(std::function<void()> showPrevious) = 0;
  // Another copy: ask the first to come forward. False when it cannot be reached.
  virtual bool AskFirstToShow() = 0;
  virtual void Release() = 0;
};

}  // namespace ringlook
