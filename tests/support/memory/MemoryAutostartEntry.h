// The start-at-log-on entry in memory, for tests: the test sees what was created
// and how often, and can make writes fail silently as the real entry's do.
#pragma once

#include <string>

#include "ports/AutostartEntry.h"

namespace ringlook::settings {

class MemoryAutostartEntry : public AutostartEntry {
 public:
  [[nodiscard]] bool Exists() const override { return exists_; }
  void Create(const std::string& programPath) override {
    ++creations_;
    if (!writable_) return;
    exists_ = true;
    program_ = programPath;
  }
  void Remove() override {
    if (writable_) exists_ = false;
  }

  // The test's side.
  void SetExists(bool exists) { exists_ = exists; }
  void SetWritable(bool writable) { writable_ = writable; }
  // The program the entry starts, as last created.
  [[nodiscard]] const std::string& Program() const { return program_; }
  [[nodiscard]] int Creations() const { return creations_; }

 private:
  bool exists_ = false;
  bool writable_ = true;
  std::string program_;
  int creations_ = 0;
};

}  // namespace ringlook::settings
