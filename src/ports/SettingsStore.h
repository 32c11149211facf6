// The per-user typed key/value store the settings live in. Value names are looked
// up without regard to case. Failures are reported as ringlook::Error with the
// store's fixed texts ("Invalid data type for '%s'", "Failed to get data for '%s'",
// "Failed to set data for '%s'").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ringlook {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the key (a path such as "\Software\Ringlook"), creating it when missing.
  // A key that cannot be opened or created leaves the store with no values.
  virtual void OpenKey(std::string_view keyPath) = 0;
  virtual void CloseKey() = 0;
  // A missing or empty value reads as "". A value of another type throws.
  virtual std::string ReadString(std::string_view name) = 0;
  // A missing value or one of another size throws "Failed to get data for '%s'";
  // a value of another type throws "Invalid data type for '%s'".
  virtual std::int32_t ReadInteger(std::string_view name) = 0;
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
  virtual bool DeleteValue(std::string_view name) = 0;
};

}  // namespace ringlook
