// The single-instance guard: see InstanceGuard.h.
#include "app/InstanceGuard.h"

namespace ringlook {

namespace {
int RunAsFirst(InstanceLock& lock, const std::function<int()>& runProgram) {
  const int status = runProgram();
  lock.Release();
  return status;
}
}  // namespace

int RunSingleInstance(InstanceLock& lock, const std::function<int()>& runProgram) {
  switch (lock.Acquire()) {
    case InstanceLock::Outcome::First:
      return RunAsFirst(lock, runProgram);
    case InstanceLock::Outcome::Another:
      if (lock.AskFirstToShow()) return 0;
      if (lock.Acquire() == InstanceLock::Outcome::First) return RunAsFirst(lock, runProgram);
      return 0;
    case InstanceLock::Outcome::Failed:
      break;
  }
  return 0;
}

}  // namespace ringlook
