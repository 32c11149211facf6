// Request cutting and paced sending for one client: see ClientConnection.h.
#include "ClientConnection.h"

#include <QTcpSocket>

namespace ringlook::server {

ClientConnection::ClientConnection(QTcpSocket* socket, const ConnectionLimits& limits, PaceClock& pace, QObject* parent)
    : QObject(parent),
      socket_(socket),
      limits_(limits),
      peer_(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort())),
      pace_(pace),
      gap_(pace.NewAlarm([this] { WriteNext(); })) {
  socket_->setParent(this);
  settle_.setSingleShot(true);
  settle_.setTimerType(Qt::PreciseTimer);
  connect(&settle_, &QTimer::timeout, this, &ClientConnection::OnSettled);
  connect(socket_, &QTcpSocket::readyRead, this, &ClientConnection::OnReadyRead);
  connect(socket_, &QTcpSocket::bytesWritten, this, &ClientConnection::OnBytesWritten);
  connect(socket_, &QTcpSocket::disconnected, this, &ClientConnection::OnDisconnected);
}

void ClientConnection::Send(const std::string& message) {
  if (closed_ || message.empty()) return;
  outgoing_.emplace_back(message.data(), static_cast<qsizetype>(message.size()));
  outgoingBytes_ += outgoing_.back().size();
  if (outgoingBytes_ + socket_->bytesToWrite() > limits_.MaxPendingBytes) {
    Drop(QStringLiteral("reads too slowly"));
    return;
  }
  WriteNext();
}

void ClientConnection::Drop(const QString& reason) {
  if (closed_) return;
  Finish(reason);
  socket_->abort();
}

void ClientConnection::OnReadyRead() {
  if (closed_) return;
  received_ += socket_->readAll();
  if (received_.size() > limits_.MaxRequestBytes) {
    Drop(QStringLiteral("request over %1 bytes").arg(limits_.MaxRequestBytes));
    return;
  }
  settle_.start(limits_.SettleMs);
}

void ClientConnection::OnSettled() {
  QByteArray request;
  request.swap(received_);
  if (!request.isEmpty()) emit RequestReceived(this, request);
}

void ClientConnection::WriteNext() {
  if (closed_ || writing_ || outgoing_.empty() || gap_->Active()) return;
  const qint64 since = lastWrittenAt_ ? pace_.NowMs() - *lastWrittenAt_ : limits_.GapMs;
  if (since < limits_.GapMs) {
    gap_->Start(limits_.GapMs - since);
    return;
  }
  const QByteArray message = outgoing_.front();
  outgoing_.pop_front();
  outgoingBytes_ -= message.size();
  writing_ = true;
  socket_->write(message);
  emit MessageSent(this, message);
}

void ClientConnection::OnBytesWritten() {
  // The gap counts from the moment the whole message has left for the client.
  if (!writing_ || socket_->bytesToWrite() > 0) return;
  writing_ = false;
  lastWrittenAt_ = pace_.NowMs();
  if (!outgoing_.empty()) gap_->Start(limits_.GapMs);
}

void ClientConnection::OnDisconnected() {
  if (closed_) return;
  // A request sent just before hanging up still counts (a message, a change).
  received_ += socket_->readAll();
  settle_.stop();
  // Answers to this last request have nowhere to go.
  closed_ = true;
  if (received_.size() <= limits_.MaxRequestBytes) OnSettled();
  Finish(QStringLiteral("disconnected"));
}

void ClientConnection::Finish(const QString& reason) {
  closed_ = true;
  settle_.stop();
  gap_->Stop();
  outgoing_.clear();
  outgoingBytes_ = 0;
  emit Closed(this, reason);
}

}  // namespace ringlook::server
