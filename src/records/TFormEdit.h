// The number-record dialog ("Wijzigen" / "Toevoegen"): one number's directory
// entry, filled by the server's reply and read back for the change request.
// Its caption picks the mode: "Wijzigen" edits an entry, anything else asks
// for a new number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "net/Messages.h"
#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"

namespace ringlook {

inline constexpr std::string_view kEditCaption = ui::definitions::edit_dialog::kForm.caption;
inline constexpr std::string_view kAddCaption = "Toevoegen";

class TFormEdit {
 public:
  explicit TFormEdit(ui::FormEditControls controls);

  // Empty and disabled until the server's reply for number, about to be asked
  // for; a double click also empties the name and the number.
  void Prepare(std::string_view number, bool emptyNameAndNumber);
  // Fills and enables the fields with the entry the dialog waits for, once;
  // false, changing nothing, for any other entry.
  bool Fill(const net::NumberRecord& entry);
  // Shows the entry modally; true when the user chose "Ok".
  bool ShowEntry();
  [[nodiscard]] bool Showing() const { return controls_.Self.Visible(); }
  // Asks for a new number modally; the number typed, trimmed, unless cancelled.
  std::optional<std::string> AskNumber();
  // The change request for the entry shown, saved under number.
  [[nodiscard]] std::string ChangeRequest(std::string_view number) const;

  // The mode setup, when the dialog opens. Not on every activation: a window
  // opening over the dialog and closing again would empty what the user typed.
  void FormShow();
  void CheckBox1Click();
  void Edit1KeyPress(char& key);
  void Button1Click();
  void Button2Click();

 private:
  ui::FormEditControls controls_;
  bool awaiting_ = false;
  std::string awaitedNumber_;
};

}  // namespace ringlook
