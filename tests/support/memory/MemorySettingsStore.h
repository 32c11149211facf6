// A settings store in memory with the rules of the real one, for tests and
// headless runs. The test can store a value of any type, and see whether a key
// is left open.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ports/SettingsStore.h"
#include "settings/SettingsValues.h"

namespace ringlook::settings {

class MemorySettingsStore : public SettingsStore {
 public:
  void OpenKey(std::string_view keyPath) override;
  void CloseKey() override { open_ = nullptr; }
  std::string ReadString(std::string_view name) override;
  std::int32_t ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  bool DeleteValue(std::string_view name) override;

  // The test's side.
  void Store(std::string_view keyPath, std::string_view name, StoredValue value);
  [[nodiscard]] bool IsOpen() const { return open_ != nullptr; }

 private:
  void Write(std::string_view name, StoredValue value);
  [[nodiscard]] const SettingsValues& OpenValues() const;

  // Key paths compare without regard to case, as value names do.
  static std::string KeyOf(std::string_view keyPath);

  std::map<std::string, SettingsValues> keys_;
  SettingsValues* open_ = nullptr;
};

}  // namespace ringlook::settings
