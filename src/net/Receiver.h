// Turning read notifications into message texts. The server's messages carry no
// terminator: one burst of bytes, ended by 120 ms of silence, is one message.
//
// The wait is a timer on the event loop, not a nested loop: a modal window the
// user opens while a text is arriving runs its own loop, in which the bytes go
// on being collected and the timer goes on firing, so the text is handed on
// there, and every later text too, each on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "net/ClientSocket.h"
#include "ports/Clock.h"
#include "ports/Timer.h"

namespace ringlook::net {

inline constexpr int kSettleMs = 120;
// A server that never pauses must not make the client collect without end, nor
// hold a text back for ever: the longest text one read hands on (a history of
// 300,000 calls, some 90 bytes each, fits whole: a text cut in two is read as
// two texts), and how long a text may go on collecting while bytes keep coming.
inline constexpr std::size_t kMaxMessageBytes = std::size_t{32} << 20;
inline constexpr int kMaxCollectMs = 5000;

class Receiver {
 public:
  // settle: a timer of this receiver's own, off. onText gets each text, never
  // empty, in a buffer that lives until onText returns.
  Receiver(ClientSocket& socket, Timer& settle, const Clock& clock, std::function<void(std::string_view)> onText);
  Receiver(const Receiver&) = delete;
  Receiver& operator=(const Receiver&) = delete;

  // On every read notification: takes what is waiting and starts the quiet
  // period again. A text that reaches kMaxMessageBytes, or has collected for
  // kMaxCollectMs, is handed on at once; what is left comes with the next one.
  void Read();
  // The connection ended: a text still arriving is dropped.
  void Drop();

 private:
  void Settle();
  // Reads what is waiting; false when nothing came.
  bool Collect();
  void HandOver();

  ClientSocket& socket_;
  Timer& settle_;
  const Clock& clock_;
  std::function<void(std::string_view)> onText_;
  std::string text_;
  std::uint64_t firstByteAt_ = 0;
};

}  // namespace ringlook::net
