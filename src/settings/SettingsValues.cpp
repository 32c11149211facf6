// Values of one settings key and the store rules: see SettingsValues.h.
#include "settings/SettingsValues.h"

#include <algorithm>

#include "common/Text.h"

namespace ringlook::settings {

namespace {
// Opens the settings key for one reading or writing and always closes it again.
class OpenSettingsKey {
 public:
  explicit OpenSettingsKey(SettingsStore& store) : store_(store) { store_.OpenKey(kSettingsKey); }
  ~OpenSettingsKey() { store_.CloseKey(); }
  OpenSettingsKey(const OpenSettingsKey&) = delete;
  OpenSettingsKey& operator=(const OpenSettingsKey&) = delete;

 private:
  SettingsStore& store_;
};

std::string OptionalString(SettingsStore& store, std::string_view name, std::string_view fallback) {
  try {
    std::string value = store.ReadString(name);
    if (!TrimmedView(value).empty()) return value;
  } catch (const Error&) {
    // Of another type: as if it were missing, so the reading goes on.
  }
  return std::string(fallback);
}
}  // namespace

Error StoreError(const char* pattern, std::string_view name) { return Error(WithName(pattern, std::string(name))); }

const StoredValue* SettingsValues::Find(std::string_view name) const {
  const std::size_t at = IndexOf(name);
  return at == entries_.size() ? nullptr : &entries_[at].second;
}

std::string SettingsValues::ReadString(std::string_view name) const {
  const StoredValue* value = Find(name);
  if (value == nullptr) return {};
  if (value->type != StoredValue::Type::String) throw StoreError(kInvalidDataType, name);
  return value->text;
}

std::int32_t SettingsValues::ReadInteger(std::string_view name) const {
  const StoredValue* value = Find(name);
  if (value == nullptr) throw StoreError(kFailedToGetData, name);
  if (value->type != StoredValue::Type::Integer) throw StoreError(kInvalidDataType, name);
  return value->number;
}

void SettingsValues::Put(std::string_view name, StoredValue value) {
  const std::size_t at = IndexOf(name);
  if (at == entries_.size()) {
    entries_.emplace_back(std::string(name), std::move(value));
  } else {
    entries_[at].second = std::move(value);
  }
}

bool SettingsValues::Remove(std::string_view name) {
  const std::size_t at = IndexOf(name);
  if (at == entries_.size()) return false;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

std::size_t SettingsValues::IndexOf(std::string_view name) const {
  std::size_t at = 0;
  while (at < entries_.size() && !EqualsIgnoringCase(entries_[at].first, name)) ++at;
  return at;
}

std::string NormalizedKeyPath(std::string_view keyPath) {
  std::string path;
  std::size_t start = 0;
  while (start <= keyPath.size()) {
    const std::size_t end = std::min(keyPath.find('\\', start), keyPath.size());
    if (end > start) {
      if (!path.empty()) path += '\\';
      path.append(keyPath.substr(start, end - start));
    }
    start = end + 1;
  }
  return path;
}

void ReadProgramSettings(SettingsStore& store, ProgramSettings& into,
                         const std::function<void(std::string_view)>& log) {
  OpenSettingsKey key(store);
  into.CallAddress = OptionalString(store, "CallAddress", calls::kDefaultCallAddress);
  into.LookupAddress = OptionalString(store, "LookupAddress", calls::kDefaultLookupAddress);
  const std::string_view fault = calls::LookupTemplateFault(into.LookupAddress);
  if (!fault.empty() && log) log("LookupAddress '" + into.LookupAddress + "' genegeerd: " + std::string(fault));
  into.ServerIp = store.ReadString("ServerIp");
  into.Server2 = store.ReadString("Server2");
  into.X = store.ReadString("X");
  into.Y = store.ReadString("Y");
  if (into.ServerIp.empty()) return;
  into.Popup = store.ReadInteger("Popup") != 0;
  into.NickName = store.ReadString("NickName");
}

void WriteProgramSettings(SettingsStore& store, const ProgramSettings& values) {
  OpenSettingsKey key(store);
  store.WriteString("ServerIp", values.ServerIp);
  store.WriteString("Server2", Trimmed(values.Server2));
  store.WriteString("NickName", values.NickName.value_or(""));
  store.WriteString("x", values.X);
  store.WriteString("y", values.Y);
  store.WriteInteger("Popup", values.Popup.value_or(false) ? 1 : 0);
}

}  // namespace ringlook::settings
