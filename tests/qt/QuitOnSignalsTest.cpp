// Termination signals end the event loop from the loop; an ignored signal stays
// ignored, and the former handlers come back.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTimer>

#include <csignal>

#include "qt/QuitOnSignals.h"

namespace {

using ringlook::qt::QuitOnSignals;

void (*HandlerOf(int signalNumber))(int) {
  struct sigaction current {};
  ::sigaction(signalNumber, nullptr, &current);
  return current.sa_handler;
}

TEST(QuitOnSignalsTest, ASignalEndsTheEventLoop) {
  const QuitOnSignals quit({SIGUSR1});
  QTimer::singleShot(0, [] { std::raise(SIGUSR1); });
  // Only for a failure: the loop would otherwise never end.
  QTimer stuck;
  stuck.setSingleShot(true);
  QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(2); });
  stuck.start(10000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(QuitOnSignalsTest, AnIgnoredSignalStaysIgnoredAndTheFormerHandlersComeBack) {
  std::signal(SIGUSR2, SIG_IGN);
  {
    const QuitOnSignals quit({SIGUSR1, SIGUSR2});
    EXPECT_NE(HandlerOf(SIGUSR1), SIG_DFL);
    EXPECT_EQ(HandlerOf(SIGUSR2), SIG_IGN);
  }
  EXPECT_EQ(HandlerOf(SIGUSR1), SIG_DFL);
  std::signal(SIGUSR2, SIG_DFL);
}

}  // namespace
