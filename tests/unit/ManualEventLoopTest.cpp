// The manual loop that tests lean on: timers fire at exact ticks and restart
// from the moment they are re-enabled; scheduled events run in time order.
#include <gtest/gtest.h>

#include <vector>

#include "memory/ManualEventLoop.h"

namespace ringlook::ui {
namespace {

TEST(ManualEventLoop, TimersFireAtTheirIntervalAndRestartFromNow) {
  ManualEventLoop loop;
  ManualTimer timer(loop, 60000, true);
  std::vector<std::uint64_t> fired;
  timer.OnTimer = [&] { fired.push_back(loop.Tick()); };
  loop.RunFor(30000);
  timer.Restart();
  loop.RunFor(130000);
  EXPECT_EQ(fired, (std::vector<std::uint64_t>{90000, 150000}));
}

TEST(ManualEventLoop, ScheduledEventsRunInOrderAndTheClockFollows) {
  ManualEventLoop loop;
  std::vector<std::uint64_t> ran;
  loop.At(500, [&] { ran.push_back(loop.Tick()); });
  loop.At(200, [&] { ran.push_back(loop.Tick()); });
  loop.RunFor(1000);
  EXPECT_EQ(ran, (std::vector<std::uint64_t>{200, 500}));
  EXPECT_EQ(loop.Tick(), 1000u);
  EXPECT_NEAR(loop.ClockRef().Now() - 46000.5, 1000.0 / kMsPerDay, 1e-9);
}

TEST(ManualEventLoop, ADisabledTimerDoesNotFire) {
  ManualEventLoop loop;
  ManualTimer timer(loop, 100, false);
  int fired = 0;
  timer.OnTimer = [&] { ++fired; };
  loop.RunFor(1000);
  EXPECT_EQ(fired, 0);
  timer.SetEnabled(true);
  loop.RunFor(1000);
  EXPECT_EQ(fired, 10);
}

}  // namespace
}  // namespace ringlook::ui
