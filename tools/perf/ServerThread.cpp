// The reference server on its own thread: see ServerThread.h.
#include "ServerThread.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <stdexcept>

#include "common/Error.h"
#include "server/ClientConnection.h"
#include "server/RingServer.h"
#include "server/Store.h"

namespace ringlook::perf {

namespace {

std::string KeywordOf(const QByteArray& message) {
  const qsizetype end = message.indexOf('^');
  return message.left(end < 0 ? message.size() : end).toStdString();
}

}  // namespace

ServerThread::ServerThread(const QString& databasePath, quint16 port) {
  thread_.reset(QThread::create([this, databasePath, port] { Serve(databasePath, port); }));
  thread_->start();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return listening_ || !error_.empty(); });
  if (!error_.empty()) {
    lock.unlock();
    thread_->wait();
    throw std::runtime_error(error_);
  }
}

ServerThread::~ServerThread() {
  std::function<void()> quit;
  {
    const std::lock_guard lock(mutex_);
    quit = quit_;
  }
  if (quit) QMetaObject::invokeMethod(server_, quit, Qt::QueuedConnection);
  thread_->wait();
}

void ServerThread::Serve(const QString& databasePath, quint16 port) {
  try {
    server::Store store(databasePath, QDateTime::currentDateTime(), server::Store::Seed::Nothing);
    server::RingServer server(store, [] { return QDateTime::currentDateTime(); });
    if (!server.Listen(QHostAddress::LocalHost, port)) {
      throw Error("cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + server.ErrorString().toStdString());
    }
    // Every new client is announced in the log, right after its connection is made.
    server.SetLog([this, &server](const QString& line) {
      if (line.startsWith(QStringLiteral("connected "))) Hook(server);
    });
    QEventLoop loop;
    {
      const std::lock_guard lock(mutex_);
      server_ = &server;
      port_ = server.Port();
      quit_ = [&loop] { loop.quit(); };
      listening_ = true;
    }
    changed_.notify_all();
    loop.exec();
    const std::lock_guard lock(mutex_);
    server_ = nullptr;
    quit_ = nullptr;
  } catch (const std::exception& e) {
    const std::lock_guard lock(mutex_);
    error_ = e.what();
    changed_.notify_all();
  }
}

void ServerThread::Hook(server::RingServer& server) {
  for (server::ClientConnection* connection : server.findChildren<server::ClientConnection*>()) {
    if (connection->property("perfHooked").toBool()) continue;
    connection->setProperty("perfHooked", true);
    auto* socket = connection->findChild<QTcpSocket*>();
    if (socket == nullptr) continue;
    // The message being written: one at a time, as the connection paces them.
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(connection, &server::ClientConnection::MessageSent,
                     [pending](server::ClientConnection*, const QByteArray& message) { *pending = message; });
    QObject::connect(socket, &QTcpSocket::bytesWritten, [this, socket, pending](qint64) {
      if (socket->bytesToWrite() > 0 || pending->isEmpty()) return;
      const Instant now = Clock::now();
      Written written{KeywordOf(*pending), now, {}};
      const std::lock_guard lock(mutex_);
      if (std::find(keepBytesOf_.begin(), keepBytesOf_.end(), written.Keyword) != keepBytesOf_.end()) {
        written.Bytes = *pending;
      }
      pending->clear();
      written_.push_back(std::move(written));
    });
  }
}

void ServerThread::Run(const std::function<void(server::RingServer&)>& work) {
  server::RingServer* server = nullptr;
  {
    const std::lock_guard lock(mutex_);
    server = server_;
  }
  QMetaObject::invokeMethod(
      server, [&work, server] { work(*server); }, Qt::BlockingQueuedConnection);
}

int ServerThread::ClientCount() {
  int count = 0;
  Run([&count](server::RingServer& server) { count = static_cast<int>(server.Clients().size()); });
  return count;
}

std::vector<ServerThread::Written> ServerThread::WrittenMessages() {
  const std::lock_guard lock(mutex_);
  return written_;
}

void ServerThread::KeepBytesOf(std::vector<std::string> keywords) {
  const std::lock_guard lock(mutex_);
  keepBytesOf_ = std::move(keywords);
}

}  // namespace ringlook::perf
