// Line reading from standard input: see StdinReader.h.
#include "StdinReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

namespace ringlook::server {

void ReopenClosedStandardStreams() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (opened < 0 || opened == fd) continue;
    ::dup2(opened, fd);
    ::close(opened);
  }
}

StdinReader::StdinReader(std::function<void(const QByteArray& line)> onLine)
    : onLine_(std::move(onLine)), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
  // Started in the background of an interactive shell, a read would stop the
  // whole server; ignored, the read fails instead and the console goes quiet.
  std::signal(SIGTTIN, SIG_IGN);
  QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { OnReadable(); });
}

void StdinReader::OnReadable() {
  char buffer[4096];
  const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (got <= 0) {
    notifier_.setEnabled(false);
    if (!pending_.isEmpty()) onLine_(std::exchange(pending_, {}));
    return;
  }
  pending_.append(buffer, got);
  qsizetype end = 0;
  while ((end = pending_.indexOf('\n')) >= 0) {
    QByteArray line = pending_.left(end);
    pending_.remove(0, end + 1);
    if (line.endsWith('\r')) line.chop(1);
    onLine_(line);
  }
}

}  // namespace ringlook::server
