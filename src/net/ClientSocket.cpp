// Target rules shared by every client socket: see ClientSocket.h.
#include "net/ClientSocket.h"

#include "common/Error.h"
#include "common/Text.h"

#include <algorithm>

namespace ringlook::net {

void ClientSocket::SetTargetText(std::string& field, std::string_view text) {
  if (EqualsIgnoringCase(field, text)) return;
  if (Active()) throw Error("Can't change value while socket is active");
  field.assign(text);
}

void ClientSocket::SetHost(std::string_view host) { SetTargetText(host_, host); }

void ClientSocket::SetAddress(std::string_view address) { SetTargetText(address_, address); }

std::uint32_t DottedAddress(std::string_view text) {
  constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  std::uint32_t result = 0;
  std::size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    const std::size_t end = std::min(text.find('.', pos), text.size());
    const std::string_view digits = text.substr(pos, end - pos);
    if (digits.empty() || digits.size() > 3) return kNone;
    unsigned value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return kNone;
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 255) return kNone;
    // The fourth part must end the text, and only the fourth.
    if ((part == 3) != (end == text.size())) return kNone;
    result = (result << 8) | value;
    pos = end + 1;
  }
  return result;
}

Target CurrentTarget(const ClientSocket& socket) {
  Target t;
  if (!socket.Host().empty()) {
    t.kind = Target::Kind::Lookup;
    t.host = socket.Host();
  } else if (!socket.Address().empty()) {
    t.kind = Target::Kind::Address;
    t.address = DottedAddress(socket.Address());
  }
  return t;
}

}  // namespace ringlook::net
