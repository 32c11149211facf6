// The stored settings a whole program in a test or a measurement starts with:
// connect to 127.0.0.1 at the first activation under a nickname, written
// through the program's own settings store.
#pragma once

#include <QString>
#include <string>

#include "qt/QtSettingsStore.h"
#include "settings/SettingsValues.h"

namespace ringlook::testing {

// Under configFolder, where a QtProgram with that configuration folder reads them.
inline void WriteProgramSettings(const QString& configFolder, const std::string& nickname) {
  qt::QtSettingsStore store(configFolder + "/Ringlook");
  settings::ProgramSettings values;
  values.ServerIp = "127.0.0.1";
  values.NickName = nickname;
  // Off: a call would otherwise raise the window and ask the desktop for a notification.
  values.Popup = false;
  settings::WriteProgramSettings(store, values);
}

}  // namespace ringlook::testing
