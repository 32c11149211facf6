// The settle wait: see Receiver.h.
#include "net/Receiver.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ringlook::net {

namespace {

// Reads what is waiting, until the text holds kMaxMessageBytes.
void ReadWaiting(ClientSocket& socket, std::string& text) {
  std::array<char, 16384> chunk{};
  for (int available = socket.AvailableBytes(); available > 0 && text.size() < kMaxMessageBytes;
       available = socket.AvailableBytes()) {
    const auto room = static_cast<int>(kMaxMessageBytes - text.size());
    const int want = std::min({available, static_cast<int>(chunk.size()), room});
    const int got = socket.ReadBytes(chunk.data(), want);
    // A failed read closes the connection (or nothing was there after all):
    // asking again would loop for ever.
    if (got <= 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

}  // namespace

Receiver::Receiver(ClientSocket& socket, Timer& settle, const Clock& clock,
                   std::function<void(std::string_view)> onText)
    : socket_(socket), settle_(settle), clock_(clock), onText_(std::move(onText)) {
  settle_.SetEnabled(false);
  settle_.SetInterval(kSettleMs);
  settle_.OnTimer = [this] { Settle(); };
}

void Receiver::Read() { Collect(); }

void Receiver::Settle() {
  // Bytes whose notification has not come yet still belong to this text.
  if (!Collect()) HandOver();
}

bool Receiver::Collect() {
  const std::size_t before = text_.size();
  ReadWaiting(socket_, text_);
  if (text_.size() == before) return false;
  if (before == 0) firstByteAt_ = clock_.TickMs();
  // The bounds cut a stream that never pauses into several texts, and may cut a
  // message in two: the dispatch reads the first part as that message cut short
  // and ignores the rest, which does not begin with a keyword. Under such a
  // server that cannot be helped; what matters is that each text is dispatched
  // and freed in turn.
  if (text_.size() >= kMaxMessageBytes || clock_.TickMs() - firstByteAt_ >= kMaxCollectMs) {
    HandOver();
  } else {
    settle_.Restart();
  }
  return true;
}

void Receiver::HandOver() {
  settle_.SetEnabled(false);
  // Taken out first: the dispatch may show a modal window, inside which the
  // next text collects here.
  std::string text = std::exchange(text_, {});
  if (!text.empty()) onText_(text);
}

void Receiver::Drop() {
  settle_.SetEnabled(false);
  text_ = std::string();
}

}  // namespace ringlook::net
