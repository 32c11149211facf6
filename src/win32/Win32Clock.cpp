// The real clock: see Win32Clock.h.
#include "win32/Win32Clock.h"

#include "win32/Win32Api.h"

namespace ringlook::win32 {

namespace {
// From 1601-01-01, where file times count from, to 1899-12-30.
constexpr double kDaysTo1899 = 109205.0;
constexpr double kFileTimeUnitsPerDay = 864000000000.0;
}  // namespace

double Win32Clock::Now() const {
  // The local time converted as if it were universal time gives local days.
  SYSTEMTIME local{};
  GetLocalTime(&local);
  FILETIME asFileTime{};
  SystemTimeToFileTime(&local, &asFileTime);
  const auto units = (static_cast<std::uint64_t>(asFileTime.dwHighDateTime) << 32) | asFileTime.dwLowDateTime;
  return static_cast<double>(units) / kFileTimeUnitsPerDay - kDaysTo1899;
}

std::uint64_t Win32Clock::TickMs() const { return GetTickCount64(); }

}  // namespace ringlook::win32
