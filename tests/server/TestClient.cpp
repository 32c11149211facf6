// The test client: see TestClient.h.
#include "TestClient.h"

#include <QHostAddress>

namespace ringlook::server::test {

namespace {
// Bytes closer together than this belong to one message. Below the server's
// 250 ms gap and close to the 120 ms the real client waits.
constexpr qint64 kSilenceMs = 100;
constexpr qint64 kServerGapMs = 250;
}  // namespace

TestClient::TestClient(quint16 port) {
  clock_.start();
  QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { OnReadyRead(); });
  socket_.connectToHost(QHostAddress::LocalHost, port);
  WaitUntil([this] { return Connected(); });
}

void TestClient::MovePace(ManualPaceClock& pace, std::function<std::size_t()> written) {
  pace_ = &pace;
  written_ = std::move(written);
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
  const auto arrived = [this] {
    if (Settled(taken_)) return true;
    // Every text written has arrived and been taken: the server's next paced text may go.
    if (pace_ != nullptr && messages_.size() == taken_ && written_() == taken_ && pace_->Waiting()) {
      pace_->Advance(kServerGapMs);
    }
    return false;
  };
  if (!WaitUntil(arrived, timeoutMs)) return "<nothing>";
  return messages_[taken_++].Text;
}

bool TestClient::WaitForClose(int timeoutMs) {
  return WaitUntil([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, timeoutMs);
}

}  // namespace ringlook::server::test
