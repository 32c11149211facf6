// Values of one settings key and the store rules: see SettingsValues.h.
#include "settings/SettingsValues.h"

#include <algorithm>

#include "common/Text.h"

namespace ringlook::settings {

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

}  // namespace ringlook::settings
