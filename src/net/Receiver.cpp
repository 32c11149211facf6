// The settle wait: see Receiver.h.
#include "net/Receiver.h"

#include <algorithm>
#include <array>

namespace ringlook::net {

std::string ReceiveMessage(ClientSocket& socket, const std::function<void(int ms)>& pauze) {
  const auto limit = static_cast<int>(kMaxMessageBytes);
  int seen = socket.AvailableBytes();
  for (int collected = kSettleMs;; collected += kSettleMs) {
    pauze(kSettleMs);
    const int now = socket.AvailableBytes();
    if (now == seen || now >= limit || collected >= kMaxCollectMs) break;
    seen = now;
  }
  // The bounds cut a stream that never pauses into several texts, and may cut a
  // message in two: the dispatch reads the first part as that message cut short
  // (missing fields empty, a cut record ending its list) and ignores the rest,
  // which does not begin with a keyword. Under such a server that cannot be
  // helped; what matters is that each text is dispatched and freed in turn.
  std::string text;
  std::array<char, 16384> chunk{};
  for (int available = socket.AvailableBytes(); available > 0 && text.size() < kMaxMessageBytes;
       available = socket.AvailableBytes()) {
    const int room = limit - static_cast<int>(text.size());
    const int want = std::min({available, static_cast<int>(chunk.size()), room});
    const int got = socket.ReadBytes(chunk.data(), want);
    // A failed read closes the connection (or nothing was there after all):
    // asking again would loop for ever.
    if (got <= 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
  }
  // Bytes left behind raise the next read notification once this one is handled.
  return text;
}

}  // namespace ringlook::net
