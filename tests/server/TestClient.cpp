// The test client: see TestClient.h.
#include "TestClient.h"

#include <QHostAddress>
#include <algorithm>

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

TestClient::~TestClient() {
  if (pace_) std::erase(pace_->Clients, this);
}

void TestClient::MovePace(std::shared_ptr<SharedPace> pace, std::function<std::size_t()> written) {
  pace_ = std::move(pace);
  pace_->Clients.push_back(this);
  written_ = std::move(written);
}

bool TestClient::AllArrived() const {
  // A connection that is gone can hold nothing on its way.
  if (!Connected()) return true;
  return written_() == messages_.size() && (messages_.empty() || Settled(messages_.size() - 1));
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
    // This client has taken all it was sent and no client has a text on its way:
    // the server's next paced text may go.
    if (pace_ && messages_.size() == taken_ && pace_->Clock.Waiting() &&
        std::all_of(pace_->Clients.begin(), pace_->Clients.end(),
                    [](const TestClient* client) { return client->AllArrived(); })) {
      pace_->Clock.Advance(kServerGapMs);
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
