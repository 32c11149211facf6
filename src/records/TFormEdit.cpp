// The number-record dialog: see TFormEdit.h.
#include "records/TFormEdit.h"

#include "common/Text.h"

namespace ringlook {

namespace {
constexpr char kEnter = 13;

void Editable(ui::Edit& field, bool editable) {
  field.SetReadOnly(!editable);
  field.SetBackground(editable ? ui::Colour::Window : ui::Colour::Menu);
}
}  // namespace

TFormEdit::TFormEdit(ui::FormEditControls controls) : Controls(controls) {
  Controls.Self.OnShow = [this] { FormShow(); };
  Controls.CheckBox1.OnClick = [this] { CheckBox1Click(); };
  Controls.Edit1.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  Controls.Button1.OnClick = [this] { Button1Click(); };
  Controls.Button2.OnClick = [this] { Button2Click(); };
}

void TFormEdit::FormShow() {
  if (Controls.Self.Caption() == kEditCaption) {
    // The texts and the other controls' states stay: the reply fills and enables them.
    Editable(Controls.Edit1, true);
    Editable(Controls.Edit2, false);
    Editable(Controls.Memo1, true);
    Controls.Memo1.SetText("");
    Controls.CheckBox1.SetEnabled(true);
    return;
  }
  // Unticked first: unticking gives name and note the window colour, which
  // would make these two read-only fields look as if they could be typed in.
  Controls.CheckBox1.SetChecked(false);
  Controls.CheckBox1.SetEnabled(false);
  Editable(Controls.Edit1, false);
  Controls.Edit1.SetText("");
  Editable(Controls.Edit2, true);
  Controls.Edit2.SetText("");
  Editable(Controls.Memo1, false);
  Controls.Memo1.SetText("");
  // A GET or ADD that never got its reply left these disabled: a new number
  // must still be typed and confirmed.
  Controls.Edit2.SetEnabled(true);
  Controls.Button2.SetEnabled(true);
  Controls.Edit2.SetFocus();
}

void TFormEdit::CheckBox1Click() {
  const ui::Colour colour = Controls.CheckBox1.Checked() ? ui::Colour::Alert : ui::Colour::Window;
  Controls.Memo1.SetBackground(colour);
  Controls.Edit1.SetBackground(colour);
}

void TFormEdit::Edit1KeyPress(char& key) {
  if (key == kEnter) key = 0;
}

void TFormEdit::Button1Click() { Controls.Self.Close(ui::ModalResult::Cancel); }

void TFormEdit::Button2Click() { Controls.Self.Close(ui::ModalResult::Ok); }

void TFormEdit::Prepare(std::string_view number) {
  awaiting_ = true;
  awaitedNumber_ = Trimmed(number);
  Controls.Edit1.SetBackground(ui::Colour::Window);
  Controls.Memo1.SetBackground(ui::Colour::Window);
  Controls.Button2.SetEnabled(false);
  Controls.Edit1.SetEnabled(false);
  Controls.Edit2.SetEnabled(false);
  Controls.CheckBox1.SetChecked(false);
  Controls.CheckBox1.SetEnabled(false);
  Controls.Memo1.SetText("");
  Controls.Memo1.SetEnabled(false);
}

// The number is compared with blanks removed, byte for byte otherwise: it is
// the key the change is saved under, and a reply that spells it another way
// may be another entry. Such a reply leaves the dialog waiting, to be cancelled.
bool TFormEdit::Fill(const net::NumberRecord& entry) {
  if (!awaiting_ || TrimmedView(entry.Number) != awaitedNumber_) return false;
  awaiting_ = false;
  Controls.Edit2.SetText(entry.Number);
  Controls.Edit1.SetText(entry.Name);
  Controls.Memo1.SetText(entry.Note);
  // Any other flag leaves the box as Prepare left it.
  if (entry.Flag == net::kFlagAlert) Controls.CheckBox1.SetChecked(true);
  Controls.Button2.SetEnabled(true);
  Controls.Edit1.SetEnabled(true);
  Controls.Edit2.SetEnabled(true);
  Controls.CheckBox1.SetEnabled(true);
  Controls.Memo1.SetEnabled(true);
  if (Controls.Self.Visible()) Controls.Edit1.SetFocus();
  return true;
}

}  // namespace ringlook
