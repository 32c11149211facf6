// The start decision over the instance lock: run as the first copy, hand over to
// a running one, or end quietly; and start after all when the other copy is gone.
#include <deque>

#include <gtest/gtest.h>

#include "ports/InstanceLock.h"

namespace ringlook {
namespace {

using Outcome = InstanceLock::Outcome;

// A lock whose answers the test lays down in advance.
class ScriptedLock : public InstanceLock {
 public:
  ScriptedLock(std::deque<Outcome> acquires, bool firstAnswers)
      : acquires_(std::move(acquires)), firstAnswers_(firstAnswers) {}

  Outcome Acquire() override {
    const Outcome next = acquires_.front();
    acquires_.pop_front();
    return next;
  }
  void ListenForOthers(std::function<void()> /*showPrevious*/) override {}
  bool AskFirstToShow() override {
    ++asks_;
    return firstAnswers_;
  }
  void Release() override {}

  int asks_ = 0;
  std::deque<Outcome> acquires_;

 private:
  bool firstAnswers_;
};

TEST(StartsAsFirst, RunsAsTheFirstCopyHandsOverOrEndsQuietly) {
  struct Case {
    const char* name;
    std::deque<Outcome> acquires;  // all of them are tried
    bool firstAnswers;
    bool starts;
    int asks;
  };
  const Case cases[] = {
      {"the first copy runs without asking anyone", {Outcome::First}, false, true, 0},
      {"a later copy hands over and ends", {Outcome::Another}, true, false, 1},
      {"an unreachable copy holding the lock: this one ends", {Outcome::Another, Outcome::Another}, false, false, 1},
      {"an unreachable copy that has ended lets this one run", {Outcome::Another, Outcome::First}, false, true, 1},
      {"a lock that cannot be tried ends quietly", {Outcome::Failed}, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedLock lock(c.acquires, c.firstAnswers);
    EXPECT_EQ(StartsAsFirst(lock), c.starts);
    EXPECT_EQ(lock.asks_, c.asks);
    EXPECT_TRUE(lock.acquires_.empty());
  }
}

}  // namespace
}  // namespace ringlook
