// Quitting on termination signals: see QuitOnSignals.h.
#include "qt/QuitOnSignals.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace ringlook::qt {

namespace {

volatile std::sig_atomic_t writeEnd = -1;

extern "C" void WakeLoop(int /*signalNumber*/) {
  const int savedErrno = errno;
  const char byte = 1;
  // Full or closed: a quit is already on its way, or nobody is left to quit.
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::initializer_list<int> signalNumbers) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair_) != 0) return;
  writeEnd = pair_[0];
  notifier_ = std::make_unique<QSocketNotifier>(pair_[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char drained[16];
    while (::read(pair_[1], drained, sizeof drained) > 0) {
    }
    // Not quit(): that closes the windows first, and the main window would ask its close question.
    QCoreApplication::exit(0);
  });
  for (const int signalNumber : signalNumbers) {
    struct sigaction former {};
    if (::sigaction(signalNumber, nullptr, &former) != 0 || former.sa_handler == SIG_IGN) continue;
    struct sigaction quit {};
    quit.sa_handler = WakeLoop;
    sigemptyset(&quit.sa_mask);
    quit.sa_flags = SA_RESTART;
    if (::sigaction(signalNumber, &quit, nullptr) == 0) former_.emplace_back(signalNumber, former);
  }
}

QuitOnSignals::~QuitOnSignals() {
  for (const auto& [signalNumber, former] : former_) ::sigaction(signalNumber, &former, nullptr);
  notifier_.reset();
  writeEnd = -1;
  for (const int fd : pair_) {
    if (fd >= 0) ::close(fd);
  }
}

}  // namespace ringlook::qt
