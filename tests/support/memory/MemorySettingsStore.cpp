// In-memory settings store: see MemorySettingsStore.h.
#include "memory/MemorySettingsStore.h"

#include "common/Text.h"

namespace ringlook::settings {

void MemorySettingsStore::OpenKey(std::string_view keyPath) {
  open_ = nullptr;
  const std::string key = KeyOf(keyPath);
  if (key.empty()) return;
  open_ = &keys_[key];
}

std::string MemorySettingsStore::ReadString(std::string_view name) { return OpenValues().ReadString(name); }

std::int32_t MemorySettingsStore::ReadInteger(std::string_view name) { return OpenValues().ReadInteger(name); }

void MemorySettingsStore::WriteString(std::string_view name, std::string_view value) {
  Write(name, StoredValue::OfString(value));
}

void MemorySettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  Write(name, StoredValue::OfInteger(value));
}

bool MemorySettingsStore::DeleteValue(std::string_view name) { return open_ != nullptr && open_->Remove(name); }

void MemorySettingsStore::Store(std::string_view keyPath, std::string_view name, StoredValue value) {
  keys_[KeyOf(keyPath)].Put(name, std::move(value));
}

void MemorySettingsStore::Write(std::string_view name, StoredValue value) {
  if (open_ == nullptr || name.empty()) throw StoreError(kFailedToSetData, name);
  open_->Put(name, std::move(value));
}

const SettingsValues& MemorySettingsStore::OpenValues() const {
  static const SettingsValues kNone;
  return open_ == nullptr ? kNone : *open_;
}

std::string MemorySettingsStore::KeyOf(std::string_view keyPath) { return UpperCased(NormalizedKeyPath(keyPath)); }

}  // namespace ringlook::settings
