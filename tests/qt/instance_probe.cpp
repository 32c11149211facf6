// The program's start reduced to its single-instance guard, so that tests can
// run it as several real processes. Usage: ringlook_instance_probe <folder>.
// It prints "first" when it runs as the first copy, then "show" each time a later
// start asks it to come forward, and ends when its input is closed. A later start
// that does not run ends with status 0 and prints nothing.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <cstdio>

#include "qt/QtInstanceLock.h"

namespace {

void Say(const char* line) {
  std::puts(line);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;
  ringlook::qt::QtInstanceLock lock(QString::fromLocal8Bit(argv[1]));
  if (!ringlook::StartsAsFirst(lock)) return 0;
  lock.ListenForOthers([] { Say("show"); });
  Say("first");
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
    char buffer[64];
    if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) QCoreApplication::quit();
  });
  return QCoreApplication::exec();
}
