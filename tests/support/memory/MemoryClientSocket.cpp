// In-memory client socket: see MemoryClientSocket.h.
#include "memory/MemoryClientSocket.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace ringlook::net {

void MemoryClientSocket::BeginConnect(std::uint32_t address) {
  attemptTarget_.clear();
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift != 24) attemptTarget_ += '.';
    attemptTarget_ += std::to_string((address >> shift) & 0xFF);
  }
}

void MemoryClientSocket::CloseTransport() {
  inbound_.clear();
  readAt_ = 0;
  readArmed_ = true;
  closePending_ = false;
  failSendCode_ = 0;
}

void MemoryClientSocket::Receive(std::string_view bytes) {
  if (!Active()) return;
  inbound_.append(bytes);
  NotifyRead();
}

void MemoryClientSocket::CloseByPeer() {
  if (Waiting() == 0) {
    PeerClosed();
  } else {
    closePending_ = true;
  }
}

void MemoryClientSocket::NotifyRead() {
  if (!readArmed_ || Waiting() == 0) return;
  readArmed_ = false;
  DataArrived();
}

int MemoryClientSocket::SendBytes(std::string_view bytes) {
  if (!Active()) return 0;
  if (failSendCode_ != 0) {
    TransferFailed(ErrorEvent::Send, std::exchange(failSendCode_, 0));
    return -1;
  }
  sent_.emplace_back(bytes);
  return static_cast<int>(bytes.size());
}

int MemoryClientSocket::ReadBytes(char* buffer, int count) {
  if (!Active()) return 0;
  readArmed_ = true;
  if (Waiting() == 0) return -1;
  const auto n = std::min<std::size_t>(Waiting(), static_cast<std::size_t>(std::max(count, 0)));
  std::memcpy(buffer, inbound_.data() + readAt_, n);
  readAt_ += n;
  if (Waiting() != 0) {
    // Bytes left behind raise the next notification from the loop, never inside the read.
    loop_.Post([this] { NotifyRead(); });
  } else {
    inbound_.clear();
    readAt_ = 0;
    // A close that waited for the bytes comes from the loop too.
    if (closePending_) {
      loop_.Post([this, attempt = Attempt()] {
        if (attempt == Attempt()) PeerClosed();
      });
    }
  }
  return static_cast<int>(n);
}

}  // namespace ringlook::net
