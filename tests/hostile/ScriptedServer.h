// A hostile server for the whole program: it accepts on 127.0.0.1 and plays a
// script on a thread of its own, sending exactly the bytes the script chooses,
// with the pauses it chooses, and ending the connection as it chooses, while
// the program runs on the test's thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "LoopbackListener.h"

namespace ringlook::testing {

// Longer than the program's settle wait, with room for a busy machine: how the
// server ends one text.
inline constexpr int kQuietMs = 400;

// The server's end of one connection, for the script.
class ScriptedPeer {
 public:
  ScriptedPeer(Listener& listener, int fd, const std::atomic<bool>& stopping, std::atomic<int>& cues)
      : listener_(listener), fd_(fd), stopping_(stopping), cues_(cues) {}

  // False once the client has gone (or the test ends): a script may stop there.
  bool Send(std::string_view bytes);
  // One text: the bytes, then quiet.
  bool SendText(std::string_view bytes);
  // count bytes, each made by byteAt(offset), sent as fast as the client takes
  // them without ever holding them all.
  bool Stream(std::size_t count, const std::function<char(std::size_t offset)>& byteAt);
  // Waits, ending early when the test ends.
  void Pause(int ms);
  // Waits until the test gives the next cue (ScriptedServer::Cue): the script
  // goes on when the program has shown what the test wanted to see.
  void WaitForCue();
  // Reads what the client sends until it has sent `text` (or the time is up);
  // returns what was read up to the end of `text`, and keeps the rest for the
  // next call, as two requests may come in one read.
  std::string ReceiveUntil(std::string_view text, int timeoutMs = kLoopbackTimeoutMs);
  // Ends the connection with an end of stream, or with a reset instead.
  void CloseInOrder();
  void Reset();

 private:
  Listener& listener_;
  int fd_;
  const std::atomic<bool>& stopping_;
  std::atomic<int>& cues_;
  std::string received_;
};

class ScriptedServer {
 public:
  ScriptedServer() = default;
  // Stops a script still playing and waits for it.
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return listener_.Port(); }

  // Accepts the next connection and plays script on it; the previous script
  // must have ended.
  void Play(std::function<void(ScriptedPeer&)> script);
  [[nodiscard]] bool Done() const { return done_; }
  void Cue() { ++cues_; }

 private:
  Listener listener_;
  std::thread player_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> done_{false};
  std::atomic<int> cues_{0};
};

}  // namespace ringlook::testing
