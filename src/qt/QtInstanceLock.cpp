// Single instance over a lock file and a local socket: see QtInstanceLock.h.
#include "qt/QtInstanceLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace ringlook::qt {
namespace {

constexpr char kRequest[] = "SHOW";
constexpr char kAnswer[] = "OK";
// Long enough for a copy busy in a pause or a dialog; it keeps processing events there.
constexpr int kHandOverMs = 2000;
// Anything longer than a request is not one.
constexpr qint64 kMaxRequest = 64;

QString FolderOrRuntime(const QString& folder) {
  return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
}

}  // namespace

QtInstanceLock::QtInstanceLock(const QString& folder)
    : folder_(FolderOrRuntime(folder)),
      socketPath_(folder_ + "/Ringlook.socket"),
      lockFile_(folder_ + "/Ringlook.lock") {
  // A lock is stale only when its owner no longer runs, however old it is.
  lockFile_.setStaleLockTime(0);
}

QtInstanceLock::~QtInstanceLock() { Release(); }

InstanceLock::Outcome QtInstanceLock::Acquire() {
  if (lockFile_.isLocked()) return Outcome::First;
  if (folder_.isEmpty()) return Outcome::Failed;
  QDir().mkpath(folder_);
  if (lockFile_.tryLock(0)) return Outcome::First;
  return lockFile_.error() == QLockFile::LockFailedError ? Outcome::Another : Outcome::Failed;
}

void QtInstanceLock::ListenForOthers(std::function<void()> showPrevious) {
  if (!lockFile_.isLocked()) return;
  showPrevious_ = std::move(showPrevious);
  server_ = std::make_unique<QLocalServer>();
  // The lock is ours, so a socket file found here was left by a copy that was killed.
  QLocalServer::removeServer(socketPath_);
  if (!server_->listen(socketPath_)) {
    server_.reset();
    return;
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] { Answer(*peer); });
    }
  });
}

void QtInstanceLock::Answer(QLocalSocket& peer) {
  if (!peer.canReadLine()) {
    if (peer.bytesAvailable() > kMaxRequest) peer.abort();
    return;
  }
  const bool isRequest = peer.readLine(kMaxRequest).trimmed() == kRequest;
  if (isRequest) peer.write(QByteArray(kAnswer) + '\n');
  peer.disconnectFromServer();
  if (!isRequest) return;
  // Queued, so that the window is raised from the event loop and not from inside this socket's handler.
  QMetaObject::invokeMethod(
      server_.get(),
      [this] {
        if (showPrevious_) showPrevious_();
      },
      Qt::QueuedConnection);
}

bool QtInstanceLock::AskFirstToShow() {
  const QDeadlineTimer deadline(kHandOverMs);
  QLocalSocket first;
  first.connectToServer(socketPath_);
  if (!first.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
  first.write(QByteArray(kRequest) + '\n');
  first.flush();
  while (!first.canReadLine()) {
    if (!first.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
  }
  return first.readLine(kMaxRequest).trimmed() == kAnswer;
}

void QtInstanceLock::Release() {
  server_.reset();
  lockFile_.unlock();
}

}  // namespace ringlook::qt
