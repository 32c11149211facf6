// The main window's entries for number records: a double click on a line edits
// its number's directory entry, "Nummer toevoegen" adds a number, "Verwijder
// nummer" asks the server to delete one. The list itself changes only through
// the server's messages.
#include "calls/CallerLine.h"
#include "common/Text.h"
#include "main/TFormRinglook.h"
#include "net/Messages.h"
#include "records/TFormEdit.h"

namespace ringlook {

namespace {
// Shows the dialog for the entry of SelectedNumber, disabled until the server's
// reply fills it; "Ok" sends the change.
void EditEntry(TFormRinglook& main, TFormEdit& dialog) {
  dialog.Controls.Self.SetCaption(kEditCaption);
  if (dialog.Controls.Self.ShowModal() != ui::ModalResult::Ok) return;
  main.Env.ClientSocket1.SendBytes(net::SetRequest(main.SelectedNumber, dialog.Controls.Edit1.Text(),
                                                   dialog.Controls.Memo1.Text(), dialog.Controls.CheckBox1.Checked()));
}
}  // namespace

void TFormRinglook::ListBox1DblClick() {
  const int selected = Controls.ListBox1.ItemIndex();
  if (selected < 0) return;
  TFormEdit& dialog = Edit();
  SelectedNumber = calls::LineNumber(Controls.ListBox1.Item(selected));
  dialog.Prepare(SelectedNumber);
  dialog.Controls.Edit1.SetText("");
  dialog.Controls.Edit2.SetText("");
  Env.ClientSocket1.SendBytes(net::GetRequest(SelectedNumber));
  EditEntry(*this, dialog);
}

void TFormRinglook::Addnumber1Click() {
  TFormEdit& dialog = Edit();
  dialog.Controls.Self.SetCaption(kAddCaption);
  if (dialog.Controls.Self.ShowModal() != ui::ModalResult::Ok) return;
  SelectedNumber = Trimmed(dialog.Controls.Edit2.Text());
  dialog.Prepare(SelectedNumber);
  Env.ClientSocket1.SendBytes(net::AddRequest(SelectedNumber));
  EditEntry(*this, dialog);
}

void TFormRinglook::Deletenumber1Click() {
  const int selected = Controls.ListBox1.ItemIndex();
  if (selected < 0) return;
  const std::string line = Controls.ListBox1.Item(selected);
  const std::string question = "Verwijder de historie van  " + calls::LineName(line) + " ?";
  if (Env.App.MessageBox(question, ui::MessageKind::Confirmation) != ui::MessageAnswer::Yes) return;
  Env.ClientSocket1.SendBytes(net::DeleteRequest(calls::LineNumber(line)));
}

}  // namespace ringlook
