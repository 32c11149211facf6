// Reads the server's standard input line by line on the event loop, so that
// typed commands never block the clients. End of input just stops the reading.
#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <functional>

namespace ringlook::server {

// Opens /dev/null on any standard stream that the parent closed, before the
// program opens anything: otherwise the next file or socket takes number 0 and
// the reader would take it for typed input.
void ReopenClosedStandardStreams();

class StdinReader {
 public:
  // onLine gets each line without its line end.
  explicit StdinReader(std::function<void(const QByteArray& line)> onLine);

 private:
  void OnReadable();

  std::function<void(const QByteArray& line)> onLine_;
  QSocketNotifier notifier_;
  QByteArray pending_;
};

}  // namespace ringlook::server
