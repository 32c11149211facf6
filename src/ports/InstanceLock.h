// One running copy per user log-on, and the hand-over through which a second
// start asks the first to come forward.
#pragma once

#include <functional>

namespace ringlook {

class InstanceLock {
 public:
  enum class Outcome { First, Another, Failed };

  virtual ~InstanceLock() = default;
  // Takes the lock (a stale one left by a killed copy is taken over). Another
  // means a running copy holds it; Failed that the lock could not be tried at
  // all. It may be called again: the other copy may have ended meanwhile.
  virtual Outcome Acquire() = 0;
  // First copy: listen for hand-over requests; showPrevious runs on the UI thread.
  virtual void ListenForOthers(std::function<void()> showPrevious) = 0;
  // Another copy: ask the first to come forward. False when it cannot be reached
  // (still starting, hung, or gone); never throws.
  virtual bool AskFirstToShow() = 0;
  virtual void Release() = 0;
};

// Decides one start: true when this copy is to run. A running copy is asked to
// come forward; when it cannot be reached the lock is tried once more, because
// that copy may have just ended. In every other case this copy ends quietly.
inline bool StartsAsFirst(InstanceLock& lock) {
  switch (lock.Acquire()) {
    case InstanceLock::Outcome::First:
      return true;
    case InstanceLock::Outcome::Failed:
      return false;
    case InstanceLock::Outcome::Another:
      break;
  }
  return !lock.AskFirstToShow() && lock.Acquire() == InstanceLock::Outcome::First;
}

}  // namespace ringlook
