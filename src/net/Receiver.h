// Turning read notifications into message texts. The server's messages carry no
// terminator: one burst of bytes, ended by 120 ms of silence, is one message.
#pragma once

#include <functional>
#include <string>

#include "net/ClientSocket.h"

namespace ringlook::net {

inline constexpr int kSettleMs = 120;

// Waits (through pauze, which keeps the event loop running) until the available
// byte count stays the same for one settle period, then reads every available
// byte. Returns the text read, empty when nothing was waiting.
std::string ReceiveMessage(ClientSocket& socket, const std::function<void(int ms)>& pauze);

}  // namespace ringlook::net
