// The start-at-log-on entry in memory, for headless runs: it exists from its
// creation until its removal.
#pragma once

#include <string>

#include "ports/AutostartEntry.h"

namespace ringlook::settings {

class MemoryAutostartEntry : public AutostartEntry {
 public:
  [[nodiscard]] bool Exists() const override { return exists_; }
  void Create(const std::string& /*programPath*/) override { exists_ = true; }
  void Remove() override { exists_ = false; }

 private:
  bool exists_ = false;
};

}  // namespace ringlook::settings
