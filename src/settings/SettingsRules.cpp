// Reading and writing the stored settings, and the start-at-log-on entry: the
// main window's Leesreg, SchrijfReg and SnelKop.
#include <string>

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
  ui::FormSetupControls& setup = Setup().Controls;
  setup.CheckBox1.SetChecked(Env.Autostart.Exists());
  {
    OpenSettingsKey key(Env.Store);
    setup.Edit1.SetText(Env.Store.ReadString("ServerIp"));
    Server2Address = Env.Store.ReadString("Server2");
    StoredX = Env.Store.ReadString("X");
    StoredY = Env.Store.ReadString("Y");
    if (!setup.Edit1.Text().empty()) {
      setup.CheckBox2.SetChecked(Env.Store.ReadInteger("Popup") != 0);
      setup.Edit2.SetText(Env.Store.ReadString("NickName"));
    }
  }
  if (setup.Edit1.Text().empty()) {
    // Without a server the dialog asks for one; its closing connects.
    setup.Self.ShowModal();
    return;
  }
  Env.ClientSocket1.SetAddress(setup.Edit1.Text());
  Env.ClientSocket1.SetActive(true);
}

void TFormRinglook::SchrijfReg() {
  const ui::FormSetupControls& setup = Setup().Controls;
  OpenSettingsKey key(Env.Store);
  Env.Store.WriteString("ServerIp", setup.Edit1.Text());
  Env.Store.WriteString("Server2", Trimmed(Server2Address));
  Env.Store.WriteString("NickName", setup.Edit2.Text());
  Env.Store.WriteString("x", std::to_string(Controls.Self.Left()));
  Env.Store.WriteString("y", std::to_string(Controls.Self.Top()));
  Env.Store.WriteInteger("Popup", setup.CheckBox2.Checked() ? 1 : 0);
}

void TFormRinglook::SnelKop(bool create) {
  if (create) {
    Env.Autostart.Create(Env.ProgramPath);
  } else {
    Env.Autostart.Remove();
  }
}

}  // namespace ringlook
