// The Qt/POSIX client socket: see QtClientSocket.h.
#include "qt/QtClientSocket.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>

#include "qt/LinkLog.h"
#include "qt/QtTimer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
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

// Logs the failed step, with the system's text for systemError when there is one; gives code back.
int Logged(ErrorEvent step, int code, int systemError = 0) {
  if (systemError != 0) {
    qCDebug(lcLink, "fout %d bij %s: %s", code, StepName(step), std::strerror(systemError));
  } else {
    qCDebug(lcLink, "fout %d bij %s", code, StepName(step));
  }
  return code;
}

}  // namespace

QtClientSocket::QtClientSocket(std::uint16_t port) : port_(port) {
  UseDeadlineTimer(std::make_unique<QtTimer>(net::kAttemptDeadlineMs, false));
  connect(&readNotifier_, &QSocketNotifier::activated, this, [this] { ReadNotification(); });
  connect(&writeNotifier_, &QSocketNotifier::activated, this, [this] { ConnectFinished(); });
}

QtClientSocket::~QtClientSocket() {
  if (Active()) qCDebug(lcLink, "verbinding gesloten bij het afsluiten");
  CloseTransport();
}

void QtClientSocket::Note(Step step) {
  switch (step) {
    case Step::Starting: {
      heard_.start();
      const net::Target target = net::CurrentTarget(*this);
      switch (target.kind) {
        case net::Target::Kind::None:
          qCDebug(lcLink, "poging %d: geen server opgegeven", Attempt());
          Logged(ErrorEvent::Lookup, socket_error::kNoTarget);
          break;
        case net::Target::Kind::Lookup:
          qCDebug(lcLink, "poging %d naar %s, poort %u", Attempt(), qUtf8Printable(LinkText(target.host)), port_);
          break;
        case net::Target::Kind::Address:
          qCDebug(lcLink, "poging %d naar %s", Attempt(), qUtf8Printable(AddressText(target.address, port_)));
          LogConnecting(target.address);
          break;
      }
      break;
    }
    case Step::Cancelling:
      qCDebug(lcLink, "poging %d afgebroken", Attempt());
      break;
    case Step::Closing:
      qCDebug(lcLink, "verbinding verbroken door Ringlook");
      break;
    case Step::LookupTimedOut:
    case Step::ConnectTimedOut:
      qCDebug(lcLink, "poging %d: geen antwoord bij %s na %lld ms, opgegeven", Attempt(),
              step == Step::LookupTimedOut ? "opzoeken" : "verbinden", static_cast<long long>(heard_.elapsed()));
      break;
  }
}

void QtClientSocket::LogConnecting(std::uint32_t address) {
  qCDebug(lcLink, "verbinden met %s", qUtf8Printable(AddressText(address, port_)));
}

void QtClientSocket::BeginLookup(const std::string& host) {
  const std::uint32_t literal = net::DottedAddress(host);
  if (literal == kNoAddress) {
    lookupId_ = QHostInfo::lookupHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())), this,
                                      SLOT(HostLookedUp(QHostInfo)));
    return;
  }
  // A dotted address is its own answer, as the system's lookup gives it;
  // QHostInfo would look its name up in reverse first, which can stall for
  // seconds on a network without reverse DNS.
  QTimer::singleShot(0, this, [this, attempt = Attempt(), literal] {
    if (attempt != Attempt() || CurrentState() != State::Resolving) return;
    LogConnecting(literal);
    LookedUp(attempt, literal);
  });
}

void QtClientSocket::HostLookedUp(const QHostInfo& info) {
  // A lookup aborted too late may still answer.
  if (CurrentState() != State::Resolving || info.lookupId() != lookupId_) return;
  lookupId_ = -1;
  if (info.error() == QHostInfo::NoError) {
    for (const QHostAddress& address : info.addresses()) {
      bool isIpv4 = false;
      const quint32 ipv4 = address.toIPv4Address(&isIpv4);
      if (isIpv4) {
        qCDebug(lcLink, "%s is %s", qUtf8Printable(info.hostName()), qUtf8Printable(address.toString()));
        LogConnecting(ipv4);
        LookedUp(Attempt(), ipv4);
        return;
      }
    }
  }
  qCDebug(lcLink, "%s niet gevonden: %s", qUtf8Printable(info.hostName()), qUtf8Printable(info.errorString()));
  LookupFailed(Attempt(), Logged(ErrorEvent::Lookup, socket_error::kHostNotFound));
}

void QtClientSocket::BeginConnect(std::uint32_t address) {
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
  QTimer::singleShot(0, this, [this, attempt = Attempt(), error] {
    if (attempt == Attempt() && CurrentState() == State::Connecting) {
      ConnectFailed(attempt, Logged(ErrorEvent::Connect, WinsockCode(error), error));
    }
  });
}

void QtClientSocket::ConnectFinished() {
  if (CurrentState() != State::Connecting || fd_ < 0) return;
  writeNotifier_.setEnabled(false);
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  if (error != 0) {
    ConnectFailed(Attempt(), Logged(ErrorEvent::Connect, WinsockCode(error), error));
    return;
  }
  readNotifier_.setSocket(fd_);
  readNotifier_.setEnabled(true);
  StartKeepAlive();
  heard_.start();
  qCDebug(lcLink, "verbonden");
  Connected(Attempt());
}

void QtClientSocket::StartKeepAlive() {
  const int on = 1;
  const bool set = ::setsockopt(fd_, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0 &&
                   ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPIDLE, &keepAlive_.idleS, sizeof(int)) == 0 &&
                   ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPINTVL, &keepAlive_.intervalS, sizeof(int)) == 0 &&
                   ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPCNT, &keepAlive_.probes, sizeof(int)) == 0 &&
                   ::setsockopt(fd_, IPPROTO_TCP, TCP_USER_TIMEOUT, &keepAlive_.unansweredMs, sizeof(int)) == 0;
  if (!set) qCDebug(lcLink, "keep-alive niet ingesteld: %s", std::strerror(errno));
}

void QtClientSocket::ReadNotification() {
  if (!Active()) return;
  if (AvailableBytes() == 0) {
    // Readable with nothing to read: the peer closed, in order or with an error.
    char probe = 0;
    const ssize_t peeked = ::recv(fd_, &probe, 1, MSG_PEEK);
    if (peeked == 0) {
      qCDebug(lcLink, "de server sloot de verbinding");
      PeerClosed();
      return;
    }
    if (peeked < 0) {
      const int error = errno;
      if (WouldBlock(error) || error == EINTR) return;
      // Nothing more will come from this connection.
      readNotifier_.setEnabled(false);
      closeReported_ = true;
      if (error == ETIMEDOUT) {
        qCDebug(lcLink, "de server antwoordt niet meer: verbinding opgegeven, %lld s na het laatst ontvangen",
                static_cast<long long>(heard_.elapsed() / 1000));
      }
      PeerError(ErrorEvent::Disconnect, Logged(ErrorEvent::Disconnect, WinsockCode(error), error));
      return;
    }
  }
  // Off until the client reads: the handler waits in a nested loop, where this
  // level-triggered notifier would otherwise fire again and again.
  readNotifier_.setEnabled(false);
  DataArrived();
}

int QtClientSocket::SendBytes(std::string_view bytes) {
  if (!Active()) return 0;
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
    TransferFailed(ErrorEvent::Send, Logged(ErrorEvent::Send, WinsockCode(error), error));
  }
  return -1;
}

int QtClientSocket::AvailableBytes() {
  if (!Active()) return 0;
  int count = 0;
  if (::ioctl(fd_, FIONREAD, &count) != 0) return 0;
  return count;
}

int QtClientSocket::ReadBytes(char* buffer, int count) {
  if (!Active()) return 0;
  // Bytes left behind, or a close after them, make the re-armed notifier fire
  // again from the loop.
  if (!closeReported_) readNotifier_.setEnabled(true);
  ssize_t got = 0;
  do {
    got = ::recv(fd_, buffer, static_cast<std::size_t>(std::max(count, 0)), 0);
  } while (got < 0 && errno == EINTR);
  if (got >= 0) {
    if (got > 0) heard_.start();
    qCDebug(lcLink, "ontvangen (%zd bytes): %s", got,
            qUtf8Printable(LinkText(std::string_view(buffer, static_cast<std::size_t>(got)))));
    return static_cast<int>(got);
  }
  const int error = errno;
  if (!WouldBlock(error)) TransferFailed(ErrorEvent::Receive, Logged(ErrorEvent::Receive, WinsockCode(error), error));
  return -1;
}

void QtClientSocket::CloseTransport() {
  readNotifier_.setSocket(-1);
  writeNotifier_.setSocket(-1);
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
  lookupId_ = -1;
  closeReported_ = false;
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace ringlook::qt
