// The one error type of the program: a framework failure with its fixed text
// ("Failed to set data for 'x'", "Can't change value while socket is active", ...).
// Nothing is returned as an error code; whoever can report it catches this.
#pragma once

#include <stdexcept>
#include <string>

namespace ringlook {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Formats one of the fixed texts that carry a single %s.
std::string WithName(const std::string& pattern, const std::string& name);

}  // namespace ringlook
