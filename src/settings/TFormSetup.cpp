// The settings dialog's logic: see TFormSetup.h.
#include "settings/TFormSetup.h"

#include "common/Error.h"
#include "common/Text.h"
#include "main/TFormRinglook.h"

namespace ringlook {

TFormSetup::TFormSetup(ui::FormSetupControls controls, TFormRinglook& main) : Controls(controls), main_(main) {
  Controls.Self.OnActivate = [this] { FormActivate(); };
  Controls.Self.OnCloseQuery = [this] { return FormClose(); };
  Controls.Button1.OnClick = [this] { Button1Click(); };
}

void TFormSetup::FormActivate() {
  net::ClientSocket& socket = main_.Env.ClientSocket1;
  // An attempt left running could connect while the dialog is open, and the
  // closing steps could then not change the target.
  socket.CancelAttempt();
  socket.SetActive(false);
  main_.Controls.ListBox1.Clear();
}

bool TFormSetup::FormClose() {
  try {
    Controls.Edit1.SetText(Trimmed(Controls.Edit1.Text()));
    main_.SchrijfReg();
    main_.SnelKop(Controls.CheckBox1.Checked());
    net::ClientSocket& socket = main_.Env.ClientSocket1;
    socket.SetAddress(Controls.Edit1.Text());
    socket.SetHost(Controls.Edit1.Text());
    socket.SetActive(true);
    return true;
  } catch (const Error& e) {
    main_.Env.App.MessageBox(e.what(), ui::MessageKind::Error);
    return false;
  }
}

void TFormSetup::Button1Click() { Controls.Self.Close(ui::ModalResult::Ok); }

}  // namespace ringlook
