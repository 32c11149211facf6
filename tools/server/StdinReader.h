// Reads the server's standard input line by line on the event loop, so that
// typed commands never block the clients. End of input just stops the reading.
#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <functional>

namespace ringlook::server {

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
