// A client for the server tests, over 127.0.0.1. It cuts what it receives into
// messages the way Ringlook does, by the silence between bursts. Given the
// server's manual pace, it moves that pace on only while it waits for a text,
// after the one before has settled, so two texts can never run together.
#pragma once

#include <QElapsedTimer>
#include <QTcpSocket>
#include <functional>
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
  explicit TestClient(quint16 port);
  // The server's manual pace, and how many texts the server has written to this client.
  void MovePace(ManualPaceClock& pace, std::function<std::size_t()> written);
  [[nodiscard]] quint16 LocalPort() const { return socket_.localPort(); }

  [[nodiscard]] bool Connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
  // One write, as the client sends a request.
  void Send(std::string_view bytes);
  // The next message not yet taken, once no byte has followed it for a while;
  // "<nothing>" when none comes in time.
  std::string Receive(int timeoutMs = kTimeoutMs);
  // Waits until the server has closed the connection.
  bool WaitForClose(int timeoutMs = kTimeoutMs);
  // Resets the connection, as a crashing client would.
  void Abort() { socket_.abort(); }

 private:
  void OnReadyRead();
  [[nodiscard]] bool Settled(std::size_t index) const;

  struct Message {
    std::string Text;
    qint64 LastByteMs = 0;
  };

  ManualPaceClock* pace_ = nullptr;
  std::function<std::size_t()> written_;
  QTcpSocket socket_;
  QElapsedTimer clock_;
  std::vector<Message> messages_;
  std::size_t taken_ = 0;
};

}  // namespace ringlook::server::test
