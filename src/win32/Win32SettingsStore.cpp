// Settings store on the registry: see Win32SettingsStore.h.
#include "win32/Win32SettingsStore.h"

#include <vector>

#include "settings/SettingsValues.h"

namespace ringlook::win32 {

void Win32SettingsStore::OpenKey(std::string_view keyPath) {
  CloseKey();
  HKEY key = nullptr;
  // A key that can be neither opened nor created leaves the store without values.
  if (RegCreateKeyExA(root_, settings::NormalizedKeyPath(keyPath).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    key_ = key;
  }
}

void Win32SettingsStore::CloseKey() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
}

std::string Win32SettingsStore::ReadString(std::string_view name) {
  if (key_ == nullptr) return {};
  const std::string valueName(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw settings::StoreError(settings::kInvalidDataType, name);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    throw settings::StoreError(settings::kFailedToGetData, name);
  }
  const std::string_view text(data.data(), size);
  return std::string(text.substr(0, text.find('\0')));
}

std::int32_t Win32SettingsStore::ReadInteger(std::string_view name) {
  const std::string valueName(name);
  DWORD type = 0;
  DWORD size = 0;
  if (key_ == nullptr || RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      size > sizeof(DWORD)) {
    throw settings::StoreError(settings::kFailedToGetData, name);
  }
  if (type != REG_DWORD) throw settings::StoreError(settings::kInvalidDataType, name);
  DWORD value = 0;
  size = sizeof value;
  if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      size != sizeof value) {
    throw settings::StoreError(settings::kFailedToGetData, name);
  }
  return static_cast<std::int32_t>(value);
}

void Win32SettingsStore::WriteString(std::string_view name, std::string_view value) {
  const std::string text(value);
  Write(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void Win32SettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  const auto data = static_cast<DWORD>(value);
  Write(name, REG_DWORD, &data, sizeof data);
}

void Win32SettingsStore::Write(std::string_view name, DWORD type, const void* data, DWORD size) {
  if (key_ == nullptr || name.empty() ||
      RegSetValueExA(key_, std::string(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS) {
    throw settings::StoreError(settings::kFailedToSetData, name);
  }
}

bool Win32SettingsStore::DeleteValue(std::string_view name) {
  return key_ != nullptr && RegDeleteValueA(key_, std::string(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace ringlook::win32
