// The single-instance guard between real processes (the probe program), and its
// answers within one process.
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

#include <gtest/gtest.h>

#include "qt/QtInstanceLock.h"

namespace ringlook::qt {
namespace {

constexpr int kPatienceMs = 20000;

// One start of the probe program, with the lines it has printed so far.
class Probe {
 public:
  explicit Probe(const QString& folder) {
    process_.start(RINGLOOK_INSTANCE_PROBE, {folder});
    process_.waitForStarted(kPatienceMs);
  }
  ~Probe() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(kPatienceMs);
  }
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;

  bool WaitForLine(const QByteArray& line) {
    const QDeadlineTimer deadline(kPatienceMs);
    while (!Lines().contains(line)) {
      if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return true;
  }
  // The exit status of a start that ended by itself, or -1.
  int WaitForExit() {
    if (!process_.waitForFinished(kPatienceMs) || process_.exitStatus() != QProcess::NormalExit) return -1;
    return process_.exitCode();
  }
  QList<QByteArray> Lines() {
    output_ += process_.readAllStandardOutput();
    return output_.split('\n');
  }
  void Kill() {
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished(kPatienceMs);
  }
  void CloseInput() { process_.closeWriteChannel(); }

 private:
  QProcess process_;
  QByteArray output_;
};

class QtInstanceLockTest : public ::testing::Test {
 protected:
  QTemporaryDir runtime_;
};

TEST_F(QtInstanceLockTest, ASecondStartAsksTheFirstToShowAndEndsAndAnOrderlyEndFreesTheLockAndTheSocket) {
  Probe first(runtime_.path());
  ASSERT_TRUE(first.WaitForLine("first"));

  Probe second(runtime_.path());
  EXPECT_EQ(second.WaitForExit(), 0);
  EXPECT_FALSE(second.Lines().contains("first"));
  EXPECT_TRUE(first.WaitForLine("show"));

  first.CloseInput();
  ASSERT_EQ(first.WaitForExit(), 0);
  EXPECT_FALSE(QFile::exists(runtime_.path() + "/Ringlook.lock"));
  EXPECT_FALSE(QFile::exists(runtime_.path() + "/Ringlook.socket"));

  QtInstanceLock lock(runtime_.path());
  EXPECT_EQ(lock.Acquire(), InstanceLock::Outcome::First);
}

TEST_F(QtInstanceLockTest, AKilledFirstLeavesNothingThatStopsTheNextStart) {
  Probe killed(runtime_.path());
  ASSERT_TRUE(killed.WaitForLine("first"));
  killed.Kill();
  ASSERT_TRUE(QFile::exists(runtime_.path() + "/Ringlook.lock"));
  ASSERT_TRUE(QFile::exists(runtime_.path() + "/Ringlook.socket"));

  Probe next(runtime_.path());
  ASSERT_TRUE(next.WaitForLine("first"));
  Probe later(runtime_.path());
  EXPECT_EQ(later.WaitForExit(), 0);
  EXPECT_TRUE(next.WaitForLine("show"));
}

TEST_F(QtInstanceLockTest, ALockHeldUntilReleasedWithoutListeningSendsEveryOtherStartAwayQuietly) {
  // This process holds the lock but does not listen, as a first copy does while it starts.
  QtInstanceLock first(runtime_.path());
  QtInstanceLock second(runtime_.path());
  ASSERT_EQ(first.Acquire(), InstanceLock::Outcome::First);
  EXPECT_EQ(first.Acquire(), InstanceLock::Outcome::First);
  EXPECT_EQ(second.Acquire(), InstanceLock::Outcome::Another);
  EXPECT_FALSE(second.AskFirstToShow());

  Probe probe(runtime_.path());
  EXPECT_EQ(probe.WaitForExit(), 0);
  EXPECT_FALSE(probe.Lines().contains("first"));

  first.Release();
  EXPECT_EQ(second.Acquire(), InstanceLock::Outcome::First);
}

TEST_F(QtInstanceLockTest, AFolderThatCannotHoldTheLockFails) {
  QFile blocker(runtime_.path() + "/blocked");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  QtInstanceLock lock(runtime_.path() + "/blocked/runtime");
  EXPECT_EQ(lock.Acquire(), InstanceLock::Outcome::Failed);
  EXPECT_FALSE(lock.AskFirstToShow());
}

}  // namespace
}  // namespace ringlook::qt
