// The main window's entries for number records: a double click on a line edits
// its number's directory entry, "Nummer toevoegen" adds a number, "Verwijder
// nummer" asks the server to delete one. The list itself changes only through
// the server's messages.
#include "calls/CallerLine.h"
#include "main/TFormRinglook.h"
#include "net/Messages.h"
#include "records/TFormEdit.h"

namespace ringlook {

void TFormRinglook::EditSelectedEntry() {
  if (dialogs_.Edit.ShowEntry()) env_.ClientSocket1.SendBytes(dialogs_.Edit.ChangeRequest(selectedNumber_));
}

void TFormRinglook::ListBox1DblClick() {
  const int selected = controls_.ListBox1.ItemIndex();
  if (selected < 0) return;
  EditNumber(calls::LineNumber(controls_.ListBox1.Item(selected)));
}

void TFormRinglook::EditNumber(const std::string& number) {
  // Asked for from the tray or a notification while the dialog is open: that
  // showing goes on, with what the user typed.
  if (dialogs_.Edit.Showing()) return;
  selectedNumber_ = number;
  dialogs_.Edit.Prepare(selectedNumber_, true);
  env_.ClientSocket1.SendBytes(net::GetRequest(selectedNumber_));
  EditSelectedEntry();
}

void TFormRinglook::ShowCall(const std::string& number) {
  env_.App.Restore();
  KeepOnScreen();
  controls_.Self.Activate();
  ui::ListBox& list = controls_.ListBox1;
  for (int i = 0; i < list.Count(); ++i) {
    if (calls::LineNumber(list.Item(i)) != number) continue;
    list.SetItemIndex(i);
    return;
  }
}

void TFormRinglook::Addnumber1Click() {
  const std::optional<std::string> number = dialogs_.Edit.AskNumber();
  if (!number) return;
  selectedNumber_ = *number;
  dialogs_.Edit.Prepare(selectedNumber_, false);
  env_.ClientSocket1.SendBytes(net::AddRequest(selectedNumber_));
  EditSelectedEntry();
}

void TFormRinglook::Deletenumber1Click() {
  const int selected = controls_.ListBox1.ItemIndex();
  if (selected < 0) return;
  const std::string line = controls_.ListBox1.Item(selected);
  const std::string question = "Verwijder de historie van  " + calls::LineName(line) + " ?";
  if (env_.App.MessageBox(question, ui::MessageKind::Confirmation) != ui::MessageAnswer::Yes) return;
  env_.ClientSocket1.SendBytes(net::DeleteRequest(calls::LineNumber(line)));
}

}  // namespace ringlook
