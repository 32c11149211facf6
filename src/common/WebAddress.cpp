// The one rule for opening a clicked address: see WebAddress.h.
#include "common/WebAddress.h"

#include "common/Text.h"

namespace ringlook {

std::string WebAddress(std::string_view clicked) {
  const std::string_view address = TrimmedView(clicked);
  const std::string upper = UpperCased(address);
  const auto startsWith = [&upper](std::string_view prefix) {
    return upper.size() > prefix.size() && upper.compare(0, prefix.size(), prefix) == 0;
  };
  for (const std::string_view scheme : {"HTTP://", "HTTPS://", "FTP://"}) {
    if (startsWith(scheme)) {
      const char next = upper[scheme.size()];
      return next != '/' && next != '\\' ? std::string(address) : std::string();
    }
  }
  if (startsWith("MAILTO:")) return std::string(address);
  if (startsWith("WWW.")) return "http://" + std::string(address);
  return {};
}

}  // namespace ringlook
