// The program's error type: see Error.h.
#include "common/Error.h"

namespace ringlook {

std::string WithName(const std::string& pattern, const std::string& name) {
  std::string out = pattern;
  const auto at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, name);
  return out;
}

}  // namespace ringlook
