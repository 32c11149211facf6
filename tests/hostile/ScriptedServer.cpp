// The hostile server: see ScriptedServer.h.
#include "ScriptedServer.h"

#include <array>
#include <chrono>

namespace ringlook::testing {

namespace {
// How often a long pause looks whether the test has ended.
constexpr int kPauseStepMs = 10;
}  // namespace

bool ScriptedPeer::Send(std::string_view bytes) {
  while (!bytes.empty() && !stopping_) {
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return bytes.empty();
}

bool ScriptedPeer::SendText(std::string_view bytes) {
  if (!Send(bytes)) return false;
  Pause(kQuietMs);
  return true;
}

bool ScriptedPeer::Stream(std::size_t count, const std::function<char(std::size_t offset)>& byteAt) {
  std::array<char, 65536> block{};
  for (std::size_t offset = 0; offset < count;) {
    const std::size_t size = std::min(block.size(), count - offset);
    for (std::size_t i = 0; i < size; ++i) block[i] = byteAt(offset + i);
    if (!Send(std::string_view(block.data(), size))) return false;
    offset += size;
  }
  return true;
}

void ScriptedPeer::Pause(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!stopping_ && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(
        std::min(std::chrono::duration_cast<std::chrono::nanoseconds>(end - std::chrono::steady_clock::now()),
                 std::chrono::nanoseconds(std::chrono::milliseconds(kPauseStepMs))));
  }
}

void ScriptedPeer::WaitForCue() {
  while (!stopping_ && cues_ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(kPauseStepMs));
  if (cues_ > 0) --cues_;
}

std::string ScriptedPeer::ReceiveUntil(std::string_view text, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::array<char, 4096> chunk{};
  while (received_.find(text) == std::string::npos && !stopping_ && std::chrono::steady_clock::now() < end) {
    if (!Readable(fd_, kPauseStepMs)) continue;
    const ssize_t n = ::recv(fd_, chunk.data(), chunk.size(), 0);
    if (n <= 0) break;
    received_.append(chunk.data(), static_cast<std::size_t>(n));
  }
  const std::size_t at = received_.find(text);
  const std::size_t taken = at == std::string::npos ? received_.size() : at + text.size();
  std::string got = received_.substr(0, taken);
  received_.erase(0, taken);
  return got;
}

void ScriptedPeer::CloseInOrder() { listener_.CloseInOrder(fd_); }

void ScriptedPeer::Reset() { listener_.Reset(fd_); }

ScriptedServer::~ScriptedServer() {
  stopping_ = true;
  if (player_.joinable()) player_.join();
}

void ScriptedServer::Play(std::function<void(ScriptedPeer&)> script) {
  if (player_.joinable()) player_.join();
  done_ = false;
  player_ = std::thread([this, script = std::move(script)] {
    const int fd = listener_.Accept();
    if (fd < 0) {
      ADD_FAILURE() << "the program did not connect";
    } else {
      ScriptedPeer peer(listener_, fd, stopping_, cues_);
      script(peer);
    }
    done_ = true;
  });
}

}  // namespace ringlook::testing
