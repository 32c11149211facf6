// Reading and writing the stored settings, and the start-at-log-on entry: the
// main window's Leesreg, SchrijfReg and SnelKop.
#include <string>

#include "calls/CallerActions.h"
#include "common/Error.h"
#include "common/Text.h"

#include "main/TFormRinglook.h"
#include "settings/TFormSetup.h"

namespace ringlook {

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
}  // namespace

void TFormRinglook::Leesreg() {
  TFormSetup& setup = dialogs_.Setup;
  setup.SetAutostart(env_.Autostart.Exists());
  {
    OpenSettingsKey key(env_.Store);
    CallAddress = OptionalString("CallAddress", calls::kDefaultCallAddress);
    LookupAddress = OptionalString("LookupAddress", calls::kDefaultLookupAddress);
    const std::string_view fault = calls::LookupTemplateFault(LookupAddress);
    if (!fault.empty() && env_.Log) env_.Log("LookupAddress '" + LookupAddress + "' genegeerd: " + std::string(fault));
    setup.SetServerAddress(env_.Store.ReadString("ServerIp"));
    Server2Address = env_.Store.ReadString("Server2");
    StoredX = env_.Store.ReadString("X");
    StoredY = env_.Store.ReadString("Y");
    if (!setup.ServerAddress().empty()) {
      setup.SetPopup(env_.Store.ReadInteger("Popup") != 0);
      setup.SetNickname(env_.Store.ReadString("NickName"));
    }
  }
  if (setup.ServerAddress().empty()) {
    // Without a server the dialog asks for one; its closing connects.
    setup.ShowModal();
    return;
  }
  env_.ClientSocket1.SetAddress(setup.ServerAddress());
  env_.ClientSocket1.SetActive(true);
}

std::string TFormRinglook::OptionalString(std::string_view name, std::string_view fallback) {
  try {
    std::string value = env_.Store.ReadString(name);
    if (!TrimmedView(value).empty()) return value;
  } catch (const Error&) {
    // Of another type: as if it were missing, so the reading goes on.
  }
  return std::string(fallback);
}

void TFormRinglook::SchrijfReg() {
  const TFormSetup& setup = dialogs_.Setup;
  OpenSettingsKey key(env_.Store);
  env_.Store.WriteString("ServerIp", setup.ServerAddress());
  env_.Store.WriteString("Server2", Trimmed(Server2Address));
  env_.Store.WriteString("NickName", setup.Nickname());
  env_.Store.WriteString("x", std::to_string(controls_.Self.Left()));
  env_.Store.WriteString("y", std::to_string(controls_.Self.Top()));
  env_.Store.WriteInteger("Popup", setup.Popup() ? 1 : 0);
}

void TFormRinglook::SnelKop(bool create) {
  if (create) {
    env_.Autostart.Create(env_.ProgramPath);
  } else {
    env_.Autostart.Remove();
  }
}

void TFormRinglook::SetupOpened() { controls_.ListBox1.Clear(); }

void TFormRinglook::SetupClosing() {
  SchrijfReg();
  SnelKop(dialogs_.Setup.Autostart());
}

}  // namespace ringlook
