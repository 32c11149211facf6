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

TFormEdit::TFormEdit(ui::FormEditControls controls) : controls_(controls) {
  controls_.Self.OnShow = [this] { FormShow(); };
  controls_.CheckBox1.OnClick = [this] { CheckBox1Click(); };
  controls_.Edit1.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  controls_.Button1.OnClick = [this] { Button1Click(); };
  controls_.Button2.OnClick = [this] { Button2Click(); };
}

void TFormEdit::FormShow() {
  if (controls_.Self.Caption() == kEditCaption) {
    // The texts and the other controls' states stay: the reply fills and enables them.
    Editable(controls_.Edit1, true);
    Editable(controls_.Edit2, false);
    Editable(controls_.Memo1, true);
    controls_.Memo1.SetText("");
    controls_.CheckBox1.SetEnabled(true);
    return;
  }
  // Unticked first: unticking gives name and note the window colour, which
  // would make these two read-only fields look as if they could be typed in.
  controls_.CheckBox1.SetChecked(false);
  controls_.CheckBox1.SetEnabled(false);
  Editable(controls_.Edit1, false);
  controls_.Edit1.SetText("");
  Editable(controls_.Edit2, true);
  controls_.Edit2.SetText("");
  Editable(controls_.Memo1, false);
  controls_.Memo1.SetText("");
  // A GET or ADD that never got its reply left these disabled: a new number
  // must still be typed and confirmed.
  controls_.Edit2.SetEnabled(true);
  controls_.Button2.SetEnabled(true);
  controls_.Edit2.SetFocus();
}

void TFormEdit::CheckBox1Click() {
  const ui::Colour colour = controls_.CheckBox1.Checked() ? ui::Colour::Alert : ui::Colour::Window;
  controls_.Memo1.SetBackground(colour);
  controls_.Edit1.SetBackground(colour);
}

void TFormEdit::Edit1KeyPress(char& key) {
  if (key == kEnter) key = 0;
}

void TFormEdit::Button1Click() { controls_.Self.Close(ui::ModalResult::Cancel); }

void TFormEdit::Button2Click() { controls_.Self.Close(ui::ModalResult::Ok); }

void TFormEdit::Prepare(std::string_view number, bool emptyNameAndNumber) {
  awaiting_ = true;
  awaitedNumber_ = Trimmed(number);
  if (emptyNameAndNumber) {
    controls_.Edit1.SetText("");
    controls_.Edit2.SetText("");
  }
  controls_.Edit1.SetBackground(ui::Colour::Window);
  controls_.Memo1.SetBackground(ui::Colour::Window);
  controls_.Button2.SetEnabled(false);
  controls_.Edit1.SetEnabled(false);
  controls_.Edit2.SetEnabled(false);
  controls_.CheckBox1.SetChecked(false);
  controls_.CheckBox1.SetEnabled(false);
  controls_.Memo1.SetText("");
  controls_.Memo1.SetEnabled(false);
}

bool TFormEdit::ShowEntry() {
  controls_.Self.SetCaption(kEditCaption);
  return controls_.Self.ShowModal() == ui::ModalResult::Ok;
}

std::optional<std::string> TFormEdit::AskNumber() {
  controls_.Self.SetCaption(kAddCaption);
  if (controls_.Self.ShowModal() != ui::ModalResult::Ok) return std::nullopt;
  return Trimmed(controls_.Edit2.Text());
}

std::string TFormEdit::ChangeRequest(std::string_view number) const {
  return net::SetRequest(number, controls_.Edit1.Text(), controls_.Memo1.Text(), controls_.CheckBox1.Checked());
}

// The number is compared with blanks removed, byte for byte otherwise: it is
// the key the change is saved under, and a reply that spells it another way
// may be another entry. Such a reply leaves the dialog waiting, to be cancelled.
bool TFormEdit::Fill(const net::NumberRecord& entry) {
  if (!awaiting_ || TrimmedView(entry.Number) != awaitedNumber_) return false;
  awaiting_ = false;
  controls_.Edit2.SetText(entry.Number);
  controls_.Edit1.SetText(entry.Name);
  controls_.Memo1.SetText(entry.Note);
  // Any other flag leaves the box as Prepare left it.
  if (entry.Flag == net::kFlagAlert) controls_.CheckBox1.SetChecked(true);
  controls_.Button2.SetEnabled(true);
  controls_.Edit1.SetEnabled(true);
  controls_.Edit2.SetEnabled(true);
  controls_.CheckBox1.SetEnabled(true);
  controls_.Memo1.SetEnabled(true);
  if (controls_.Self.Visible()) controls_.Edit1.SetFocus();
  return true;
}

}  // namespace ringlook
