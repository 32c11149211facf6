// A pause on the real Qt loop must sleep, not spin: a 2 s wait may use only a
// small fraction of that in CPU time, and must end close to its deadline.
#include <ctime>

#include <gtest/gtest.h>

#include "qt/QtClock.h"
#include "qt/QtEventPump.h"

namespace {

double ProcessCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

TEST(QtEventPump, TwoSecondPauseSleepsInTheEventLoop) {
  ringlook::qt::QtClock clock;
  const double cpuBefore = ProcessCpuSeconds();
  const std::uint64_t deadline = clock.TickMs() + 2000;
  int passes = 0;
  do {
    ringlook::qt::ProcessEventsUntil(clock, deadline);
    ++passes;
  } while (clock.TickMs() < deadline);
  const double cpuUsed = ProcessCpuSeconds() - cpuBefore;
  EXPECT_LT(cpuUsed, 0.2) << "passes: " << passes;
  EXPECT_LT(clock.TickMs(), deadline + 500) << "the pause overran its deadline";
}

}  // namespace
