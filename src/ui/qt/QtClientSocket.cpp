// The Qt/POSIX client socket: see QtClientSocket.h.
#include "ui/qt/QtClientSocket.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>

#include "ui/qt/LinkLog.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace ringlook::qt {

using net::ErrorEvent;
namespace socket_error = net::socket_error;

namespace {

constexpr std::uint32_t kNoAddress = 0xFFFFFFFFu;

// The handlers show Windows Sockets numbers, which number the network errors differently.
int WinsockCode(int error) {
  switch (error) {
    case ECONNREFUSED:
      return socket_error::kRefused;
    case ECONNRESET:
      return socket_error::kReset;
    case ECONNABORTED:
    case EPIPE:
      return socket_error::kAborted;
    case ETIMEDOUT:
      return socket_error::kTimedOut;
    case EHOSTUNREACH:
      return socket_error::kHostUnreachable;
    case ENETUNREACH:
      return socket_error::kNetUnreachable;
    case ENETDOWN:
      return socket_error::kNetDown;
    case EHOSTDOWN:
      return socket_error::kHostDown;
    case EADDRNOTAVAIL:
      return socket_error::kAddressNotAvailable;
    case ENOTCONN:
      return socket_error::kNotConnected;
    case ENOBUFS:
    case ENOMEM:
      return socket_error::kNoBuffers;
    default:
      // Windows Sockets numbers the other Berkeley errors from 10000; the low errno
      // values it covers (EACCES, EINVAL, EMFILE...) are the same on Linux.
      return 10000 + error;
  }
}

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

QString AddressText(std::uint32_t address, std::uint16_t port) {
  return QStringLiteral("%1:%2").arg(QHostAddress(address).toString()).arg(port);
}

const char* StepName(ErrorEvent step) {
  switch (step) {
    case ErrorEvent::Send:
      return "versturen";
    case ErrorEvent::Receive:
      return "ontvangen";
    case ErrorEvent::Connect:
      return "verbinden";
    case ErrorEvent::Disconnect:
      return "verbinding";
    case ErrorEvent::Lookup:
      return "opzoeken";
    case ErrorEvent::General:
    case ErrorEvent::Accept:
      break;
  }
  return "socket";
}

}  // namespace

QtClientSocket::QtClientSocket(std::uint16_t port) : port_(port) {
  connect(&readNotifier_, &QSocketNotifier::activated, this, [this] { ReadNotification(); });
  connect(&writeNotifier_, &QSocketNotifier::activated, this, [this] { ConnectFinished(); });
}

QtClientSocket::~QtClientSocket() {
  if (state_ == State::Connected) qCDebug(lcLink, "verbinding gesloten bij het afsluiten");
  const int fd = Detach();
  if (fd >= 0) ::close(fd);
}

void QtClientSocket::SetActive(bool active) {
  if (active) {
    if (state_ != State::Connected) StartAttempt();
  } else if (state_ == State::Connected) {
    qCDebug(lcLink, "verbinding verbroken door Ringlook");
    Disconnect();
  }
}

void QtClientSocket::CancelAttempt() {
  if (state_ != State::Resolving && state_ != State::Connecting) return;
  qCDebug(lcLink, "poging %d afgebroken", attempt_);
  // A new number makes every report still on its way for the attempt stale.
  ++attempt_;
  state_ = State::Idle;
  const int fd = Detach();
  if (fd >= 0) ::close(fd);
}

void QtClientSocket::StartAttempt() {
  const int replaced = Detach();
  if (replaced >= 0) ::close(replaced);
  const int attempt = ++attempt_;
  const net::Target target = net::CurrentTarget(*this);
  switch (target.kind) {
    case net::Target::Kind::None:
      qCDebug(lcLink, "poging %d: geen server opgegeven", attempt);
      state_ = State::Resolving;
      EndAttemptAfterError(ErrorEvent::Lookup, socket_error::kNoTarget);
      break;
    case net::Target::Kind::Lookup: {
      state_ = State::Resolving;
      const std::uint32_t literal = net::DottedAddress(target.host);
      qCDebug(lcLink, "poging %d naar %s, poort %u", attempt, qUtf8Printable(LinkText(target.host)), port_);
      if (literal != kNoAddress) {
        // A dotted address is its own answer, as the system's lookup gives it;
        // QHostInfo would look its name up in reverse first, which can stall for
        // seconds on a network without reverse DNS.
        QTimer::singleShot(0, this, [this, attempt, literal] {
          if (attempt == attempt_ && state_ == State::Resolving) Connect(attempt, literal);
        });
      } else {
        lookupId_ =
            QHostInfo::lookupHost(QString::fromLatin1(target.host.data(), static_cast<qsizetype>(target.host.size())),
                                  this, SLOT(LookedUp(QHostInfo)));
      }
      break;
    }
    case net::Target::Kind::Address:
      qCDebug(lcLink, "poging %d naar %s", attempt, qUtf8Printable(AddressText(target.address, port_)));
      Connect(attempt, target.address);
      break;
  }
}

void QtClientSocket::LookedUp(const QHostInfo& info) {
  // A lookup aborted too late may still answer.
  if (state_ != State::Resolving || info.lookupId() != lookupId_) return;
  lookupId_ = -1;
  if (info.error() == QHostInfo::NoError) {
    for (const QHostAddress& address : info.addresses()) {
      bool isIpv4 = false;
      const quint32 ipv4 = address.toIPv4Address(&isIpv4);
      if (isIpv4) {
        qCDebug(lcLink, "%s is %s", qUtf8Printable(info.hostName()), qUtf8Printable(address.toString()));
        Connect(attempt_, ipv4);
        return;
      }
    }
  }
  qCDebug(lcLink, "%s niet gevonden: %s", qUtf8Printable(info.hostName()), qUtf8Printable(info.errorString()));
  EndAttemptAfterError(ErrorEvent::Lookup, socket_error::kHostNotFound);
}

void QtClientSocket::Connect(int attempt, std::uint32_t address) {
  state_ = State::Connecting;
  qCDebug(lcLink, "verbinden met %s", qUtf8Printable(AddressText(address, port_)));
  if (Events() != nullptr) Events()->ClientSocket1Connecting();
  if (attempt != attempt_) return;  // the handler replaced this attempt

  int error = 0;
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = errno;
  } else {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    peer.sin_addr.s_addr = htonl(address);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0 || errno == EINPROGRESS ||
        errno == EINTR) {
      // Writable once the attempt has an outcome, success or failure.
      fd_ = fd;
      writeNotifier_.setSocket(fd);
      writeNotifier_.setEnabled(true);
      return;
    }
    error = errno;
    ::close(fd);
  }
  // A request refused at once is reported from the event loop like any failed
  // connect, so a handler that retries does not nest inside this call.
  QTimer::singleShot(0, this, [this, attempt, error] {
    if (attempt != attempt_ || state_ != State::Connecting) return;
    state_ = State::Idle;
    RaiseError(ErrorEvent::Connect, WinsockCode(error), error);
  });
}

void QtClientSocket::ConnectFinished() {
  if (state_ != State::Connecting || fd_ < 0) return;
  writeNotifier_.setEnabled(false);
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  if (error != 0) {
    ::close(Detach());
    state_ = State::Idle;
    RaiseError(ErrorEvent::Connect, WinsockCode(error), error);
    return;
  }
  state_ = State::Connected;
  readNotifier_.setSocket(fd_);
  readNotifier_.setEnabled(true);
  qCDebug(lcLink, "verbonden");
  if (Events() != nullptr) Events()->ClientSocket1Connect();
}

void QtClientSocket::ReadNotification() {
  if (state_ != State::Connected) return;
  if (AvailableBytes() == 0) {
    // Readable with nothing to read: the peer closed, in order or with an error.
    char probe = 0;
    const ssize_t peeked = ::recv(fd_, &probe, 1, MSG_PEEK);
    if (peeked == 0) {
      qCDebug(lcLink, "de server sloot de verbinding");
      Disconnect();
      return;
    }
    if (peeked < 0) {
      const int error = errno;
      if (WouldBlock(error) || error == EINTR) return;
      // The connection stays up for the handler to close; nothing more will come from it.
      readNotifier_.setEnabled(false);
      closeReported_ = true;
      RaiseError(ErrorEvent::Disconnect, WinsockCode(error), error);
      return;
    }
  }
  // Off until the client reads: the handler waits in a nested loop, where this
  // level-triggered notifier would otherwise fire again and again.
  readNotifier_.setEnabled(false);
  if (Events() != nullptr) Events()->ClientSocket1Read();
}

int QtClientSocket::SendBytes(std::string_view bytes) {
  if (state_ != State::Connected) return 0;
  ssize_t sent = 0;
  do {
    sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  if (sent >= 0) {
    qCDebug(lcLink, "verstuurd (%zd van %zu bytes): %s", sent, bytes.size(),
            qUtf8Printable(LinkText(bytes.substr(0, static_cast<std::size_t>(sent)))));
    return static_cast<int>(sent);
  }
  const int error = errno;
  if (WouldBlock(error)) {
    qCDebug(lcLink, "versturen van %zu bytes moet wachten", bytes.size());
  } else {
    EndAttemptAfterError(ErrorEvent::Send, WinsockCode(error), error);
  }
  return -1;
}

int QtClientSocket::AvailableBytes() {
  if (state_ != State::Connected) return 0;
  int count = 0;
  if (::ioctl(fd_, FIONREAD, &count) != 0) return 0;
  return count;
}

int QtClientSocket::ReadBytes(char* buffer, int count) {
  if (state_ != State::Connected) return 0;
  // Bytes left behind, or a close after them, make the re-armed notifier fire
  // again from the loop.
  if (!closeReported_) readNotifier_.setEnabled(true);
  ssize_t got = 0;
  do {
    got = ::recv(fd_, buffer, static_cast<std::size_t>(std::max(count, 0)), 0);
  } while (got < 0 && errno == EINTR);
  if (got >= 0) {
    qCDebug(lcLink, "ontvangen (%zd bytes): %s", got,
            qUtf8Printable(LinkText(std::string_view(buffer, static_cast<std::size_t>(got)))));
    return static_cast<int>(got);
  }
  const int error = errno;
  if (!WouldBlock(error)) EndAttemptAfterError(ErrorEvent::Receive, WinsockCode(error), error);
  return -1;
}

int QtClientSocket::Detach() {
  readNotifier_.setSocket(-1);
  writeNotifier_.setSocket(-1);
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
  lookupId_ = -1;
  closeReported_ = false;
  return std::exchange(fd_, -1);
}

void QtClientSocket::Disconnect() {
  const int fd = Detach();
  state_ = State::Idle;
  if (Events() != nullptr) Events()->ClientSocket1Disconnect();
  if (fd >= 0) ::close(fd);
}

void QtClientSocket::EndAttemptAfterError(ErrorEvent step, int code, int systemError) {
  RaiseError(step, code, systemError);
  // The connection current when the handler returns is the one ended, which may
  // be an attempt the handler itself started.
  if (state_ != State::Idle) Disconnect();
}

void QtClientSocket::RaiseError(ErrorEvent step, int code, int systemError) {
  if (systemError != 0) {
    qCDebug(lcLink, "fout %d bij %s: %s", code, StepName(step), std::strerror(systemError));
  } else {
    qCDebug(lcLink, "fout %d bij %s", code, StepName(step));
  }
  // The client's handler always clears the code. One left non-zero is ignored:
  // raising it here would throw through the Qt event loop, which cannot carry it.
  int errorCode = code;
  if (Events() != nullptr) Events()->ClientSocket1Error(step, errorCode);
}

}  // namespace ringlook::qt
