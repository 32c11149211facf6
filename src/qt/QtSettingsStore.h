// The per-user settings store: one file per key path under a configuration
// folder ("\Software\Ringlook" is <folder>/Software/Ringlook.conf), in a text
// format of our own that keeps each value's type.
//
// The file is text, one value a line, "name=type:data":
//   # Ringlook settings
//   ServerIp=string:192.168.1.20
//   Popup=integer:1
// The type is "string" (bytes, as the program's texts are) or "integer" (signed
// 32-bit decimal). In data, "\\", "\n", "\r", "\t" and "\xHH" stand for a backslash,
// control bytes and bytes outside printable ASCII; names escape '=', '#' and blanks
// the same way. Blanks around the name and the type are ignored, the data is taken
// as it stands. Blank lines, lines starting with '#' and lines that do not read
// as a value are skipped, and are not kept when the file is next saved.
//
// Each save writes a new file and renames it over the old one, so a failed or
// killed save leaves the old settings as they were. A file that exists but cannot
// be read is never replaced.
#pragma once

#include <QString>

#include <utility>

#include "ports/SettingsStore.h"
#include "settings/SettingsValues.h"

namespace ringlook::qt {

class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(QString configFolder) : configFolder_(std::move(configFolder)) {}

  void OpenKey(std::string_view keyPath) override;
  void CloseKey() override;
  std::string ReadString(std::string_view name) override { return values_.ReadString(name); }
  std::int32_t ReadInteger(std::string_view name) override { return values_.ReadInteger(name); }
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  bool DeleteValue(std::string_view name) override;

 private:
  // The file that holds keyPath; empty for the root, which holds no values here.
  [[nodiscard]] QString FileOf(std::string_view keyPath) const;
  void Write(std::string_view name, const settings::StoredValue& value);

  QString configFolder_;
  QString openFile_;  // empty while no key is open
  settings::SettingsValues values_;
};

}  // namespace ringlook::qt
