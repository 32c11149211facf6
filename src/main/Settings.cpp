// Reading and writing the stored settings, and the start-at-log-on entry: the
// main window's Leesreg, SchrijfReg and SnelKop. The rules of the store's values
// are the settings' own; the settings dialog's controls are the live values.
#include <string>

#include "common/Error.h"
#include "main/TFormRinglook.h"
#include "settings/TFormSetup.h"

namespace ringlook {

void TFormRinglook::Leesreg() {
  TFormSetup& setup = dialogs_.Setup;
  setup.SetAutostart(env_.Autostart.Exists());
  stored_ = {};
  try {
    settings::ReadProgramSettings(env_.Store, stored_, env_.Log);
  } catch (const Error&) {
    // What was read before the failure is shown in the dialog all the same.
    setup.Load(stored_);
    throw;
  }
  setup.Load(stored_);
  if (setup.ServerAddress().empty()) {
    // Without a server the dialog asks for one; its closing connects.
    setup.ShowModal();
    return;
  }
  net::Connect(env_.ClientSocket1, net::ConnectWay::StoredServer, setup.ServerAddress());
}

void TFormRinglook::SchrijfReg() {
  settings::ProgramSettings values = stored_;
  dialogs_.Setup.Store(values);
  values.X = std::to_string(controls_.Self.Left());
  values.Y = std::to_string(controls_.Self.Top());
  settings::WriteProgramSettings(env_.Store, values);
}

void TFormRinglook::SnelKop(bool create) {
  if (create) {
    env_.Autostart.Create(env_.ProgramPath);
  } else {
    env_.Autostart.Remove();
  }
}

void TFormRinglook::SetupOpened() { calls_.Clear(); }

void TFormRinglook::SetupClosing() {
  SchrijfReg();
  SnelKop(dialogs_.Setup.Autostart());
}

}  // namespace ringlook
