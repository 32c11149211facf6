// The settle wait: see Receiver.h.
#include "net/Receiver.h"

#include <array>

namespace ringlook::net {

std::string ReceiveMessage(ClientSocket& socket, const std::function<void(int ms)>& pauze) {
  int seen = socket.AvailableBytes();
  for (;;) {
    pauze(kSettleMs);
    const int now = socket.AvailableBytes();
    if (now == seen) break;
    seen = now;
  }
  std::string text;
  std::array<char, 16384> chunk{};
  for (int available = socket.AvailableBytes(); available > 0; available = socket.AvailableBytes()) {
    const int want = std::min<int>(available, static_cast<int>(chunk.size()));
    const int got = socket.ReadBytes(chunk.data(), want);
    // A failed read closes the connection (or nothing was there after all):
    // asking again would loop for ever.
    if (got <= 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
  }
  return text;
}

}  // namespace ringlook::net
