// The settle wait: see Receiver.h.
#include "net/Receiver.h"

#include <algorithm>
#include <array>

namespace ringlook::net {

namespace {

// Reads what is waiting, up to `most` bytes of text.
void ReadWaiting(ClientSocket& socket, std::string& text, std::size_t most) {
  const auto limit = static_cast<int>(most);
  std::array<char, 16384> chunk{};
  for (int available = socket.AvailableBytes(); available > 0 && text.size() < most;
       available = socket.AvailableBytes()) {
    const int room = limit - static_cast<int>(text.size());
    const int want = std::min({available, static_cast<int>(chunk.size()), room});
    const int got = socket.ReadBytes(chunk.data(), want);
    // A failed read closes the connection (or nothing was there after all):
    // asking again would loop for ever.
    if (got <= 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

}  // namespace

std::string ReceiveMessage(ClientSocket& socket, const std::function<void(int ms)>& pauze) {
  // Bytes are read as they come, also while the wait below runs the loop (each
  // read raises the next notification, which lands here): bytes left in the
  // system's buffer would fill it, the server would stop, and a burst longer
  // than the buffer would seem to have settled.
  thread_local std::string* collecting = nullptr;
  if (collecting != nullptr) {
    // The last byte is left to the wait: the read that fills the text must come
    // after the last notification taken here, as it raises the next one.
    ReadWaiting(socket, *collecting, kMaxMessageBytes - 1);
    return {};
  }
  std::string text;
  collecting = &text;
  const auto total = [&] { return text.size() + static_cast<std::size_t>(socket.AvailableBytes()); };
  ReadWaiting(socket, text, kMaxMessageBytes);
  std::size_t seen = total();
  for (int collected = kSettleMs; text.size() < kMaxMessageBytes; collected += kSettleMs) {
    pauze(kSettleMs);
    const bool settled = total() == seen;
    ReadWaiting(socket, text, kMaxMessageBytes);
    if (settled || collected >= kMaxCollectMs) break;
    seen = total();
  }
  collecting = nullptr;
  // The bounds cut a stream that never pauses into several texts, and may cut a
  // message in two: the dispatch reads the first part as that message cut short
  // (missing fields empty, a cut record ending its list) and ignores the rest,
  // which does not begin with a keyword. Under such a server that cannot be
  // helped; what matters is that each text is dispatched and freed in turn.
  // Bytes left behind raise the next read notification once this one is handled.
  return text;
}

}  // namespace ringlook::net
