// The commands an operator types on the server's standard input: inject a call,
// send a message to a client, list the clients, move the day, quit.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "RingServer.h"

namespace ringlook::server {

// The sender name of messages typed at the console.
inline constexpr std::string_view kConsoleSender = "Centrale";

class Console {
 public:
  Console(RingServer& server, std::function<void()> quit);

  // Runs one line as typed (in the terminal's encoding, without its line end);
  // returns the answer to print, empty when there is none.
  QString Execute(const QByteArray& line);

  static QString Help();

 private:
  RingServer& server_;
  std::function<void()> quit_;
};

}  // namespace ringlook::server
