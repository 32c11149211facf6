// The values of one settings key and the rules every settings store keeps: names
// are found without regard to case, each value keeps the type it was written with,
// and a read of the wrong type or of a missing integer fails with a fixed text.
// Also the program's own values under its key, and the one way they are read and written.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calls/CallerActions.h"
#include "common/Error.h"
#include "ports/SettingsStore.h"

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

// The program's key in the store.
inline constexpr std::string_view kSettingsKey = "\\Software\\Ringlook";

// The program's values under kSettingsKey. The settings dialog's controls are the
// live ServerIp, NickName and Popup: these fields carry them only into and out of the store.
struct ProgramSettings {
  std::string ServerIp;
  std::string Server2;
  // As stored; the position is checked where it is used.
  std::string X;
  std::string Y;
  // Read only when ServerIp is set: a first start keeps the dialog's own defaults.
  std::optional<bool> Popup;
  std::optional<std::string> NickName;
  // Templates only the user's own hand puts in the store: read, never written.
  std::string CallAddress{calls::kDefaultCallAddress};
  std::string LookupAddress{calls::kDefaultLookupAddress};
};

// Reads the values in their fixed order. A missing Popup or a value of the wrong
// type stops the reading with the store's error; what was read before it stays in
// into. CallAddress and LookupAddress never stop it: missing, empty or of another
// type, they are the defaults. log (may be empty) hears why a look-up template is ignored.
void ReadProgramSettings(SettingsStore& store, ProgramSettings& into, const std::function<void(std::string_view)>& log);
// Writes every value but the two templates; Server2 trimmed, the position as "x" and "y".
void WriteProgramSettings(SettingsStore& store, const ProgramSettings& values);

// The key a path names, in one spelling: "\Software\Ringlook", "Software\Ringlook\"
// and "Software\\Ringlook" all give "Software\Ringlook". Empty for the root.
std::string NormalizedKeyPath(std::string_view keyPath);

}  // namespace ringlook::settings
