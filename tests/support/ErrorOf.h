// The text of the ringlook::Error an action throws, or "(no error)": lets a test
// compare the exact error texts the program shows.
#pragma once

#include <functional>
#include <string>

#include "common/Error.h"

namespace ringlook::testing {

inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace ringlook::testing
