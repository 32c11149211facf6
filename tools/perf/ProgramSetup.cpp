// The measured program's settings: see ProgramSetup.h.
#include "ProgramSetup.h"

#include "main/TFormRinglook.h"
#include "ui/qt/QtSettingsStore.h"

namespace ringlook::perf {

void WriteProgramSettings(const QString& configFolder, const std::string& nickname) {
  qt::QtSettingsStore store(configFolder + "/Ringlook");
  store.OpenKey(kSettingsKey);
  store.WriteString("ServerIp", "127.0.0.1");
  store.WriteString("NickName", nickname);
  store.WriteInteger("Popup", 0);
  store.CloseKey();
}

}  // namespace ringlook::perf
