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

TEST(StartsAsFirst, TheFirstCopyRunsWithoutAskingAnyone) {
  ScriptedLock lock({Outcome::First}, false);
  EXPECT_TRUE(StartsAsFirst(lock));
  EXPECT_EQ(lock.asks_, 0);
}

TEST(StartsAsFirst, ALaterCopyHandsOverAndEnds) {
  ScriptedLock lock({Outcome::Another}, true);
  EXPECT_FALSE(StartsAsFirst(lock));
  EXPECT_EQ(lock.asks_, 1);
}

TEST(StartsAsFirst, AnUnreachableCopyThatStillHoldsTheLockEndsThisOneQuietly) {
  ScriptedLock lock({Outcome::Another, Outcome::Another}, false);
  EXPECT_FALSE(StartsAsFirst(lock));
  EXPECT_TRUE(lock.acquires_.empty());
}

TEST(StartsAsFirst, AnUnreachableCopyThatHasEndedLetsThisOneRun) {
  ScriptedLock lock({Outcome::Another, Outcome::First}, false);
  EXPECT_TRUE(StartsAsFirst(lock));
}

TEST(StartsAsFirst, ALockThatCannotBeTriedEndsQuietly) {
  ScriptedLock lock({Outcome::Failed}, true);
  EXPECT_FALSE(StartsAsFirst(lock));
  EXPECT_EQ(lock.asks_, 0);
}

}  // namespace
}  // namespace ringlook
