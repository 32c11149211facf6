// The memory this process holds, from /proc: for tests that bound what the
// program keeps while a server sends whatever it likes.
#pragma once

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>

namespace ringlook::testing {

// AddressSanitizer holds freed memory back for a while, so there the peak says nothing about use.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPeakMemoryTellsUse = false;
#else
inline constexpr bool kPeakMemoryTellsUse = true;
#endif

// A "Vm...:" line of /proc/self/status, in bytes.
inline std::size_t ProcStatusBytes(std::string_view field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.size() > field.size() && line.compare(0, field.size(), field) == 0 && line[field.size()] == ':') {
      return std::stoul(line.substr(field.size() + 1)) * 1024;
    }
  }
  return 0;
}

inline std::size_t ResidentBytes() { return ProcStatusBytes("VmRSS"); }

// The peak resident memory since the last ResetPeakResident.
inline std::size_t PeakResidentBytes() { return ProcStatusBytes("VmHWM"); }

inline void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace ringlook::testing
