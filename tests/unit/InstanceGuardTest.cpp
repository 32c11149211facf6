// The guard's decisions with a scripted lock: run, hand over, or end quietly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/InstanceGuard.h"

namespace ringlook {
namespace {

using ::testing::Return;

class MockInstanceLock : public InstanceLock {
 public:
  MOCK_METHOD(Outcome, Acquire, (), (override));
  MOCK_METHOD(void, ListenForOthers, (std::function<void()>), (override));
  MOCK_METHOD(bool, AskFirstToShow, (), (override));
  MOCK_METHOD(void, Release, (), (override));
};

TEST(InstanceGuard, FirstCopyRunsAndReleasesAfterwards) {
  MockInstanceLock lock;
  EXPECT_CALL(lock, Acquire()).WillOnce(Return(InstanceLock::Outcome::First));
  EXPECT_CALL(lock, AskFirstToShow()).Times(0);
  EXPECT_CALL(lock, Release()).Times(1);
  EXPECT_EQ(RunSingleInstance(lock, [] { return 3; }), 3);
}

TEST(InstanceGuard, SecondCopyHandsOverAndEndsWithoutRunning) {
  MockInstanceLock lock;
  EXPECT_CALL(lock, Acquire()).WillOnce(Return(InstanceLock::Outcome::Another));
  EXPECT_CALL(lock, AskFirstToShow()).WillOnce(Return(true));
  bool ran = false;
  EXPECT_EQ(RunSingleInstance(lock, [&] { return ran = true, 1; }), 0);
  EXPECT_FALSE(ran);
}

TEST(InstanceGuard, UnreachableFirstCopyEndsQuietlyOrStartsWhenItIsGone) {
  MockInstanceLock held;
  EXPECT_CALL(held, Acquire()).Times(2).WillRepeatedly(Return(InstanceLock::Outcome::Another));
  EXPECT_CALL(held, AskFirstToShow()).WillOnce(Return(false));
  bool ran = false;
  EXPECT_EQ(RunSingleInstance(held, [&] { return ran = true, 1; }), 0);
  EXPECT_FALSE(ran);

  MockInstanceLock gone;
  EXPECT_CALL(gone, Acquire())
      .WillOnce(Return(InstanceLock::Outcome::Another))
      .WillOnce(Return(InstanceLock::Outcome::First));
  EXPECT_CALL(gone, AskFirstToShow()).WillOnce(Return(false));
  EXPECT_CALL(gone, Release()).Times(1);
  EXPECT_EQ(RunSingleInstance(gone, [] { return 0; }), 0);
}

TEST(InstanceGuard, NoLockAtAllEndsQuietly) {
  MockInstanceLock lock;
  EXPECT_CALL(lock, Acquire()).WillOnce(Return(InstanceLock::Outcome::Failed));
  bool ran = false;
  EXPECT_EQ(RunSingleInstance(lock, [&] { return ran = true, 1; }), 0);
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace ringlook
