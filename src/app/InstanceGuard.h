// One copy per user log-on: the first start runs the program, a second one asks
// the first to come forward and ends.
#pragma once

#include <functional>

#include "ports/InstanceLock.h"

namespace ringlook {

// Runs runProgram when this is the first copy and returns its exit status. A
// second copy asks the first to come forward and returns 0 without a window.
// When the first cannot be reached, the lock is tried once more (the first may
// just have ended); if it is still held, this copy ends quietly with 0.
int RunSingleInstance(InstanceLock& lock, const std::function<int()>& runProgram);

}  // namespace ringlook
