// The reference server on a thread of its own, as a server on another machine
// runs beside the client: it keeps writing while the program under measurement
// waits or reads. It notes, for every message, the instant its last byte was
// handed to the kernel, which on 127.0.0.1 is when the client can read it.
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Measure.h"

class QThread;

namespace ringlook::server {
class RingServer;
}

namespace ringlook::perf {

class ServerThread {
 public:
  // A message written whole to a client.
  struct Written {
    std::string Keyword;
    Instant LastByte;
    QByteArray Bytes;
  };

  // Serves the database (which must exist) on 127.0.0.1:port (0: any free
  // port); returns once it listens. Throws when it cannot listen.
  ServerThread(const QString& databasePath, quint16 port);
  ~ServerThread();
  ServerThread(const ServerThread&) = delete;
  ServerThread& operator=(const ServerThread&) = delete;

  [[nodiscard]] quint16 Port() const { return port_; }
  // Runs work on the server's thread and returns when it is done.
  void Run(const std::function<void(server::RingServer&)>& work);
  [[nodiscard]] int ClientCount();
  // The messages written so far, oldest first. Bytes are kept only for the
  // keywords passed to KeepBytesOf, so that a long run does not hoard them.
  [[nodiscard]] std::vector<Written> WrittenMessages();
  void KeepBytesOf(std::vector<std::string> keywords);

 private:
  void Serve(const QString& databasePath, quint16 port);
  void Hook(server::RingServer& server);

  std::unique_ptr<QThread> thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool listening_ = false;
  std::string error_;
  quint16 port_ = 0;
  server::RingServer* server_ = nullptr;
  std::function<void()> quit_;
  std::vector<Written> written_;
  std::vector<std::string> keepBytesOf_;
};

}  // namespace ringlook::perf
