// The settings store on the per-user registry: a key path such as
// "\Software\Ringlook" is a key under HKEY_CURRENT_USER, strings are REG_SZ,
// integers REG_DWORD. The registry compares value names without regard to case.
// Each OpenKey opens the key for reading and writing (creating it when missing)
// and CloseKey closes it: nothing is held open between uses.
#pragma once

#include "ports/SettingsStore.h"
#include "win32/Win32Api.h"

namespace ringlook::win32 {

class Win32SettingsStore : public SettingsStore {
 public:
  // root: where key paths start; tests give a key of their own.
  explicit Win32SettingsStore(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
  ~Win32SettingsStore() override { CloseKey(); }
  Win32SettingsStore(const Win32SettingsStore&) = delete;
  Win32SettingsStore& operator=(const Win32SettingsStore&) = delete;

  void OpenKey(std::string_view keyPath) override;
  void CloseKey() override;
  // REG_SZ and REG_EXPAND_SZ give their text up to the first NUL, not expanded.
  std::string ReadString(std::string_view name) override;
  // A REG_DWORD of four bytes; missing or of another size "Failed to get data",
  // another type "Invalid data type".
  std::int32_t ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  bool DeleteValue(std::string_view name) override;

 private:
  void Write(std::string_view name, DWORD type, const void* data, DWORD size);

  HKEY root_;
  HKEY key_ = nullptr;
};

}  // namespace ringlook::win32
