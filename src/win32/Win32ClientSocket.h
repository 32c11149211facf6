// The program's client socket on Windows Sockets: non-blocking through
// WSAAsyncSelect, its notifications (FD_CONNECT, FD_READ, FD_CLOSE) and the
// answers of WSAAsyncGetHostByName arriving as messages to a hidden window on
// the user-interface thread. The error numbers are Winsock's own.
#pragma once

#include <cstdint>
#include <vector>

#include "net/ClientSocket.h"
#include "win32/MessageWindow.h"

namespace ringlook::win32 {

class Win32ClientSocket final : public net::ClientSocket {
 public:
  // Starts Windows Sockets; Error("Windows socket error: ... on API 'WSAStartup'") when it cannot.
  explicit Win32ClientSocket(std::uint16_t port = kPort);
  // Closes the connection without running any handler, as closing the program does.
  ~Win32ClientSocket() override;

  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override;
  int ReadBytes(char* buffer, int count) override;

 private:
  void BeginLookup(const std::string& host) override;
  void BeginConnect(std::uint32_t address) override;
  void CloseTransport() override;
  void Message(UINT message, WPARAM wParam, LPARAM lParam);
  void LookupAnswered(WPARAM task, LPARAM result);
  void Notified(int event, int error);
  // Each attempt's notifications come as a message of their own, so that those
  // still queued for a replaced attempt are told apart even if its socket
  // handle is given out again.
  [[nodiscard]] UINT NotificationMessage(int attempt) const;

  const std::uint16_t port_;
  SOCKET socket_ = INVALID_SOCKET;
  HANDLE lookup_ = nullptr;
  std::vector<char> lookupAnswer_;
  // A read notification was delivered and the client has not read since: a
  // repeat is held back until it has.
  bool readDelivered_ = false;
  // The peer closed in order while bytes were still waiting: the close is
  // reported once they have been read.
  bool closePending_ = false;
  MessageWindow window_;
};

}  // namespace ringlook::win32
