// The stored settings a whole program in a test or a measurement starts with:
// connect to 127.0.0.1 at the first activation under a nickname, written
// through the program's own settings store.
#pragma once

#include <QString>
#include <string>

#include "main/TFormRinglook.h"
#include "qt/QtSettingsStore.h"

namespace ringlook::testing {

// Under configFolder, where a QtProgram with that configuration folder reads them.
inline void WriteProgramSettings(const QString& configFolder, const std::string& nickname) {
  qt::QtSettingsStore store(configFolder + "/Ringlook");
  store.OpenKey(kSettingsKey);
  store.WriteString("ServerIp", "127.0.0.1");
  store.WriteString("NickName", nickname);
  // Off: a call would otherwise raise the window and ask the desktop for a notification.
  store.WriteInteger("Popup", 0);
  store.CloseKey();
}

}  // namespace ringlook::testing
