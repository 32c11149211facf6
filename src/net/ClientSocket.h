// The client socket as the rest of the program relies on it: one non-blocking TCP
// connection to port 6661, driven by the user-interface event loop. This base class
// keeps every rule the implementations share: the target properties, the
// connection-attempt state machine and the order of the events. The transport
// (POSIX on the Qt loop, Windows Sockets, a scripted fake for tests) lives in the
// subclasses, which only start its steps and report back how they went.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ports/Timer.h"

namespace ringlook::net {

// Windows Sockets error numbers, the codes the connection handlers show.
namespace socket_error {
inline constexpr int kNoTarget = 1110;
inline constexpr int kAborted = 10053;
inline constexpr int kReset = 10054;
inline constexpr int kTimedOut = 10060;
inline constexpr int kRefused = 10061;
inline constexpr int kHostUnreachable = 10065;
inline constexpr int kNetUnreachable = 10051;
inline constexpr int kHostNotFound = 11001;
inline constexpr int kAddressNotAvailable = 10049;
inline constexpr int kNetDown = 10050;
inline constexpr int kNoBuffers = 10055;
inline constexpr int kNotConnected = 10057;
inline constexpr int kHostDown = 10064;
}  // namespace socket_error

// How long one attempt, lookup and connect together, may go unanswered. A host
// that is off, or a filter that drops the SYN, would hold "Verbinding maken..."
// for two minutes on Linux; 20 s leaves Windows' own 21 s no room to come first.
inline constexpr int kAttemptDeadlineMs = 20000;

// The failed step an error event names; the client ignores it.
enum class ErrorEvent { General = 0, Send = 1, Receive = 2, Connect = 3, Disconnect = 4, Accept = 5, Lookup = 6 };

// The main window implements these; every call comes from the event loop on the
// user-interface thread, or from inside the socket call the comment names.
class ClientSocketEvents {
 public:
  virtual ~ClientSocketEvents() = default;
  virtual void ClientSocket1Connecting() = 0;
  virtual void ClientSocket1Connect() = 0;
  virtual void ClientSocket1Disconnect() = 0;
  virtual void ClientSocket1Read() = 0;
  virtual void ClientSocket1Error(ErrorEvent errorEvent, int& errorCode) = 0;
};

class ClientSocket {
 public:
  static constexpr std::uint16_t kPort = 6661;

  virtual ~ClientSocket() = default;
  ClientSocket(const ClientSocket&) = delete;
  ClientSocket& operator=(const ClientSocket&) = delete;

  void SetEvents(ClientSocketEvents* events) { events_ = events; }

  // True only from just before ClientSocket1Connect until just before ClientSocket1Disconnect.
  [[nodiscard]] bool Active() const { return state_ == State::Connected; }
  // true: start an attempt when not connected (replacing one under way).
  // ClientSocket1Connecting runs inside this call for an Address, after the
  // lookup's answer for a Host. false: when connected, ClientSocket1Disconnect
  // runs inside this call; otherwise nothing,
  // and an attempt under way goes on.
  void SetActive(bool active);
  // Drops an attempt that is still looking up or connecting, without any event,
  // so that nothing connects behind the caller's back. Connected or idle: nothing.
  void CancelAttempt();
  // How long an attempt may wait for its lookup and connect; tests shorten it.
  void SetAttemptDeadline(int ms) { deadlineMs_ = ms; }

  [[nodiscard]] const std::string& Host() const { return host_; }
  [[nodiscard]] const std::string& Address() const { return address_; }
  // A change that is more than letter case is refused while Active with
  // Error("Can't change value while socket is active").
  void SetHost(std::string_view host);
  void SetAddress(std::string_view address);

  // One send request: the bytes taken, 0 when not connected, -1 when it would block.
  virtual int SendBytes(std::string_view bytes) = 0;
  // Bytes readable now without waiting; 0 when not connected.
  virtual int AvailableBytes() = 0;
  // Up to count bytes; 0 when not connected, -1 when nothing is waiting.
  virtual int ReadBytes(char* buffer, int count) = 0;

 protected:
  enum class State { Idle, Resolving, Connecting, Connected };
  // The steps the base takes on its own, told to a subclass that logs the link.
  enum class Step { Starting, Cancelling, Closing, LookupTimedOut, ConnectTimedOut };

  ClientSocket() = default;
  // The platform's timer for the attempt's deadline, off; without one an
  // attempt waits as long as the system lets it.
  void UseDeadlineTimer(std::unique_ptr<Timer> timer);

  [[nodiscard]] State CurrentState() const { return state_; }
  // Attempts started so far; the current one's number. Reports for any other are dropped.
  [[nodiscard]] int Attempt() const { return attempt_; }

  // The platform's part. Each begins a step of the current attempt, whose outcome
  // comes back through the reports below, from the event loop.
  virtual void BeginLookup(const std::string& host) = 0;
  virtual void BeginConnect(std::uint32_t address) = 0;
  // Closes the connection, or drops the lookup or connect under way, without any event.
  virtual void CloseTransport() = 0;
  // Starting comes before every attempt's first step (one without a target ends at
  // once with error 1110); Cancelling inside CancelAttempt, Closing inside
  // SetActive(false); the time-outs when the deadline passes, before the error.
  virtual void Note(Step /*step*/) {}

  // Reports of the attempt they name.
  void LookedUp(int attempt, std::uint32_t address);
  void LookupFailed(int attempt, int code);
  void Connected(int attempt);
  void ConnectFailed(int attempt, int code);
  // Reports of the connection that is up.
  void DataArrived();
  void PeerClosed();
  // A close or read notification carrying an error: the connection stays up for
  // the handler to close. A time-out (10060) is the end of the connection, as a
  // failed receive: once the system has given up on it, it carries nothing more.
  void PeerError(ErrorEvent step, int code);
  // A send or receive that failed: the error, then the end of the connection.
  void TransferFailed(ErrorEvent step, int code);

 private:
  void SetTargetText(std::string& field, std::string_view text);
  void StartAttempt();
  void ConnectTo(int attempt, std::uint32_t address);
  void EndAttemptAfterError(ErrorEvent step, int code);
  void RaiseError(ErrorEvent step, int code);
  void Disconnect();
  void StartDeadline();
  void StopDeadline();
  void DeadlinePassed();

  ClientSocketEvents* events_ = nullptr;
  std::unique_ptr<Timer> deadline_;
  int deadlineMs_ = kAttemptDeadlineMs;
  std::string host_;
  std::string address_;
  State state_ = State::Idle;
  int attempt_ = 0;
};

// The ways a trigger points the socket at a server and connects; each keeps its own steps.
enum class ConnectWay {
  // The stored server at the first activation: Address only, so Host stays as it is.
  StoredServer,
  // The settings dialog's close: Address and Host, or Host would keep an older server.
  SettingsClosed,
  // Alt+1 and Alt+2: the link closed first, then as the settings dialog's close.
  SwitchServer,
  // The status-bar click: the current target again, unless connected.
  Retry,
};
// The one connect routine; target is unused for Retry.
void Connect(ClientSocket& socket, ConnectWay way, std::string_view target = {});

// Converts a dotted IPv4 text the way the socket does: a text that is not one
// gives the all-ones address 255.255.255.255 (0xFFFFFFFF), host byte order.
std::uint32_t DottedAddress(std::string_view text);

// What an attempt aims at: a name to look up, an address, or nothing (code 1110).
struct Target {
  enum class Kind { None, Lookup, Address } kind = Kind::None;
  std::string host;           // for Lookup
  std::uint32_t address = 0;  // for Address, host byte order
};
Target CurrentTarget(const ClientSocket& socket);

}  // namespace ringlook::net
