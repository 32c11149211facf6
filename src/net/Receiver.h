// Turning read notifications into message texts. The server's messages carry no
// terminator: one burst of bytes, ended by 120 ms of silence, is one message.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "net/ClientSocket.h"

namespace ringlook::net {

inline constexpr int kSettleMs = 120;
// A server that never pauses must not make the client collect without end, nor
// hold the read handler (and with it the program's exit) for ever: the longest
// text one read hands on (a history of 300,000 calls, some 90 bytes each, fits
// whole: a text cut in two is read as two texts), and how long the wait may go
// on while bytes keep coming.
inline constexpr std::size_t kMaxMessageBytes = std::size_t{32} << 20;
inline constexpr int kMaxCollectMs = 5000;

// Reads the bytes as they come, waiting (through pauze, which keeps the event
// loop running) until one settle period brings none. Returns the text read,
// empty when nothing came; a notification raised while the wait runs adds its
// bytes to that text and returns empty. The wait also ends once
// kMaxMessageBytes are read or after kMaxCollectMs of settle periods, and the
// text stops at kMaxMessageBytes; what is left comes with the next notification.
std::string ReceiveMessage(ClientSocket& socket, const std::function<void(int ms)>& pauze);

}  // namespace ringlook::net
