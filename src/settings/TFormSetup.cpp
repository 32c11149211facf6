// The settings dialog's logic: see TFormSetup.h.
#include "settings/TFormSetup.h"

#include "common/Error.h"
#include "common/Text.h"

namespace ringlook {

TFormSetup::TFormSetup(ui::FormSetupControls controls, ui::Application& app, net::ClientSocket& socket, Events events)
    : controls_(controls), app_(app), socket_(socket), events_(std::move(events)) {
  controls_.Self.OnActivate = [this] { FormActivate(); };
  controls_.Self.OnCloseQuery = [this] { return FormClose(); };
  controls_.Button1.OnClick = [this] { Button1Click(); };
}

void TFormSetup::FormActivate() {
  // An attempt left running could connect while the dialog is open, and the
  // closing steps could then not change the target.
  socket_.CancelAttempt();
  socket_.SetActive(false);
  if (events_.Opened) events_.Opened();
}

bool TFormSetup::FormClose() {
  try {
    controls_.Edit1.SetText(Trimmed(controls_.Edit1.Text()));
    if (events_.Save) events_.Save();
    net::Connect(socket_, net::ConnectWay::SettingsClosed, controls_.Edit1.Text());
    return true;
  } catch (const Error& e) {
    app_.MessageBox(e.what(), ui::MessageKind::Error);
    return false;
  }
}

void TFormSetup::Load(const settings::ProgramSettings& stored) {
  SetServerAddress(stored.ServerIp);
  if (stored.Popup) SetPopup(*stored.Popup);
  if (stored.NickName) SetNickname(*stored.NickName);
}

void TFormSetup::Store(settings::ProgramSettings& values) const {
  values.ServerIp = ServerAddress();
  values.NickName = Nickname();
  values.Popup = Popup();
}

void TFormSetup::Button1Click() { controls_.Self.Close(ui::ModalResult::Ok); }

}  // namespace ringlook
