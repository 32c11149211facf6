// The test client: see TestClient.h.
#include "TestClient.h"

#include <QHostAddress>

namespace ringlook::server::test {

namespace {
// Bytes closer together than this belong to one message. Below the server's
// 250 ms gap and close to the 120 ms the real client waits.
constexpr qint64 kSilenceMs = 100;
}  // namespace

TestClient::TestClient(quint16 port) {
  clock_.start();
  QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { OnReadyRead(); });
  socket_.connectToHost(QHostAddress::LocalHost, port);
  WaitUntil([this] { return Connected(); });
}

void TestClient::Send(std::string_view bytes) {
  socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  socket_.flush();
}

void TestClient::OnReadyRead() {
  const QByteArray bytes = socket_.readAll();
  const qint64 now = clock_.elapsed();
  if (messages_.empty() || now - messages_.back().LastByteMs > kSilenceMs) {
    messages_.push_back({std::string(), now});
  }
  messages_.back().Text.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  messages_.back().LastByteMs = now;
}

bool TestClient::Settled(std::size_t index) const {
  return messages_.size() > index + 1 ||
         (messages_.size() == index + 1 && clock_.elapsed() - messages_[index].LastByteMs > kSilenceMs);
}

std::string TestClient::Receive(int timeoutMs) {
  if (!WaitUntil([this] { return Settled(taken_); }, timeoutMs)) return "<nothing>";
  return messages_[taken_++].Text;
}

bool TestClient::WaitForClose(int timeoutMs) {
  return WaitUntil([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, timeoutMs);
}

}  // namespace ringlook::server::test
