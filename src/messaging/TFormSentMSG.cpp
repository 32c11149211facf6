// The send dialog's logic: see TFormSentMSG.h.
#include "messaging/TFormSentMSG.h"

#include "net/Messages.h"

namespace ringlook {

TFormSentMSG::TFormSentMSG(ui::FormSentMSGControls controls, ui::Application& app, net::ClientSocket& socket,
                           Events events)
    : controls_(controls), app_(app), socket_(socket), events_(std::move(events)) {
  // On each showing rather than each activation: coming back to the dialog
  // from the messages window or another program must not wipe what was typed.
  controls_.Self.OnShow = [this] { FormShow(); };
  controls_.Button1.OnClick = [this] { Button1Click(); };
  controls_.Button2.OnClick = [this] { Button2Click(); };
}

void TFormSentMSG::AskNamesAndShow(std::string_view message) {
  message_.assign(message);
  socket_.SendBytes(net::NameListRequest());
  if (controls_.Self.Visible()) {
    FormShow();
    return;
  }
  controls_.Self.ShowModal();
}

void TFormSentMSG::AddNames(const std::vector<std::string_view>& names, std::string_view ownNickname) {
  ui::ComboBox& list = controls_.ComboBox1;
  list.SetEnabled(true);
  controls_.Button2.SetEnabled(true);
  controls_.Memo1.SetEnabled(true);
  for (std::string_view name : names) {
    if (name != ownNickname) list.Add(name);
  }
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i) != lastCorrespondent_) continue;
    list.SetItemIndex(i);
    if (list.ItemIndex() >= 0 && controls_.Self.Visible()) controls_.Memo1.SetFocus();
  }
}

void TFormSentMSG::FormShow() {
  controls_.ComboBox1.Clear();
  controls_.ComboBox1.SetEnabled(false);
  controls_.Button2.SetEnabled(false);
  // Empty, or the call being passed on, which the user can still edit.
  controls_.Memo1.SetText(message_);
  controls_.Memo1.SetEnabled(false);
}

void TFormSentMSG::Button1Click() { controls_.Self.Close(ui::ModalResult::Cancel); }

void TFormSentMSG::Button2Click() {
  if (controls_.ComboBox1.ItemIndex() < 0) {
    app_.Beep();
    controls_.ComboBox1.SetFocus();
    return;
  }
  const std::string recipient = controls_.ComboBox1.Item(controls_.ComboBox1.ItemIndex());
  const std::string sender = events_.Nickname ? events_.Nickname() : std::string();
  socket_.SendBytes(net::MsgRequest(recipient, sender, controls_.Memo1.Text()));
  lastCorrespondent_ = recipient;
  controls_.Self.Close(ui::ModalResult::Ok);
}

}  // namespace ringlook
