// A client for the server tests, over 127.0.0.1. It cuts what it receives into
// messages the way Ringlook does, by the silence between bursts. Given the
// server's manual pace, it moves that pace on only while it waits for a text
// and every client on that pace has all its texts whole, so two texts can
// never run together at any client.
#pragma once

#include <QElapsedTimer>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "EventLoopWait.h"
#include "ManualPaceClock.h"

namespace ringlook::server::test {

inline constexpr int kTimeoutMs = 5000;

using ringlook::testing::WaitUntil;

class TestClient {
 public:
  // The server's manual pace and the clients that share it.
  struct SharedPace {
    ManualPaceClock& Clock;
    std::vector<const TestClient*> Clients;
  };

  explicit TestClient(quint16 port);
  ~TestClient();
  TestClient(const TestClient&) = delete;
  TestClient& operator=(const TestClient&) = delete;
  // The pace this client moves, and how many texts the server has written to it.
  void MovePace(std::shared_ptr<SharedPace> pace, std::function<std::size_t()> written);
  [[nodiscard]] quint16 LocalPort() const { return socket_.localPort(); }

  [[nodiscard]] bool Connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
  // One write, as the client sends a request.
  void Send(std::string_view bytes);
  // The next message not yet taken, once no byte has followed it for a while;
  // "<nothing>" when none comes in time.
  std::string Receive(int timeoutMs = kTimeoutMs);
  // Sends request and takes the next message: its answer, where it has one.
  std::string Ask(std::string_view request) {
    Send(request);
    return Receive();
  }
  // Waits until the server has closed the connection.
  bool WaitForClose(int timeoutMs = kTimeoutMs);
  // Resets the connection, as a crashing client would.
  void Abort() { socket_.abort(); }

 private:
  void OnReadyRead();
  [[nodiscard]] bool Settled(std::size_t index) const;
  // Every text written to this client has come, the last one settled, or it is not connected.
  [[nodiscard]] bool AllArrived() const;

  struct Message {
    std::string Text;
    qint64 LastByteMs = 0;
  };

  std::shared_ptr<SharedPace> pace_;
  std::function<std::size_t()> written_;
  QTcpSocket socket_;
  QElapsedTimer clock_;
  std::vector<Message> messages_;
  std::size_t taken_ = 0;
};

}  // namespace ringlook::server::test
