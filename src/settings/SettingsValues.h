// The values of one settings key and the rules every settings store keeps: names
// are found without regard to case, each value keeps the type it was written with,
// and a read of the wrong type or of a missing integer fails with a fixed text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Error.h"

namespace ringlook::settings {

inline constexpr const char* kInvalidDataType = "Invalid data type for '%s'";
inline constexpr const char* kFailedToGetData = "Failed to get data for '%s'";
inline constexpr const char* kFailedToSetData = "Failed to set data for '%s'";

// One of the texts above, naming the value as the caller spelled it.
Error StoreError(const char* pattern, std::string_view name);

struct StoredValue {
  enum class Type { String, Integer };

  static StoredValue OfString(std::string_view text) { return {Type::String, std::string(text), 0}; }
  static StoredValue OfInteger(std::int32_t number) { return {Type::Integer, {}, number}; }
  bool operator==(const StoredValue&) const = default;

  Type type = Type::String;
  std::string text;
  std::int32_t number = 0;
};

class SettingsValues {
 public:
  [[nodiscard]] const StoredValue* Find(std::string_view name) const;
  // A missing value reads as "".
  [[nodiscard]] std::string ReadString(std::string_view name) const;
  [[nodiscard]] std::int32_t ReadInteger(std::string_view name) const;
  // A value already stored under another letter case is replaced and keeps its spelling.
  void Put(std::string_view name, StoredValue value);
  bool Remove(std::string_view name);
  // Every value with its stored spelling, in the order first stored.
  [[nodiscard]] const std::vector<std::pair<std::string, StoredValue>>& Entries() const { return entries_; }

 private:
  // The position of name in entries_, or entries_.size() when it is not stored.
  [[nodiscard]] std::size_t IndexOf(std::string_view name) const;

  std::vector<std::pair<std::string, StoredValue>> entries_;
};

// The key a path names, in one spelling: "\Software\Ringlook", "Software\Ringlook\"
// and "Software\\Ringlook" all give "Software\Ringlook". Empty for the root.
std::string NormalizedKeyPath(std::string_view keyPath);

}  // namespace ringlook::settings
