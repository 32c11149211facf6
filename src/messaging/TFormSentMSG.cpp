// The send dialog's logic: see TFormSentMSG.h.
#include "messaging/TFormSentMSG.h"

#include "main/TFormRinglook.h"
#include "net/Messages.h"
#include "settings/TFormSetup.h"

namespace ringlook {

TFormSentMSG::TFormSentMSG(ui::FormSentMSGControls controls, TFormRinglook& main) : Controls(controls), main_(main) {
  // On each showing rather than each activation: coming back to the dialog
  // from the messages window or another program must not wipe what was typed.
  Controls.Self.OnShow = [this] { FormShow(); };
  Controls.Button1.OnClick = [this] { Button1Click(); };
  Controls.Button2.OnClick = [this] { Button2Click(); };
}

void TFormSentMSG::AskNamesAndShow() {
  main_.Env.ClientSocket1.SendBytes(net::NameListRequest());
  if (Controls.Self.Visible()) {
    FormShow();
    return;
  }
  Controls.Self.ShowModal();
}

void TFormSentMSG::FormShow() {
  Controls.ComboBox1.Clear();
  Controls.ComboBox1.SetEnabled(false);
  Controls.Button2.SetEnabled(false);
  Controls.Memo1.SetText("");
  Controls.Memo1.SetEnabled(false);
}

void TFormSentMSG::Button1Click() { Controls.Self.Close(ui::ModalResult::Cancel); }

void TFormSentMSG::Button2Click() {
  if (Controls.ComboBox1.ItemIndex() < 0) {
    main_.Env.App.Beep();
    Controls.ComboBox1.SetFocus();
    return;
  }
  const std::string recipient = Controls.ComboBox1.Item(Controls.ComboBox1.ItemIndex());
  main_.Env.ClientSocket1.SendBytes(
      net::MsgRequest(recipient, main_.Setup().Controls.Edit2.Text(), Controls.Memo1.Text()));
  main_.LastCorrespondent = recipient;
  Controls.Self.Close(ui::ModalResult::Ok);
}

}  // namespace ringlook
