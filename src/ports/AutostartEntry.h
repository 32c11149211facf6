// The start-at-log-on entry: its presence is the setting.
#pragma once

#include <string>

namespace ringlook {

class AutostartEntry {
 public:
  virtual ~AutostartEntry() = default;
  [[nodiscard]] virtual bool Exists() const = 0;
  // Creates the entry, or replaces an existing one, so that it starts programPath.
  // A failure to write is silent: the entry is then as it was, and the next call tries again.
  virtual void Create(const std::string& programPath) = 0;
  // Removes the entry when present; a failure is silent.
  virtual void Remove() = 0;
};

}  // namespace ringlook
