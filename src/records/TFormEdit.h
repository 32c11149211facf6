// The number-record dialog ("Wijzigen" / "Toevoegen"): one number's directory
// entry, filled by the server's reply and sent back as a change request. Its
// caption picks the mode: "Wijzigen" edits an entry, anything else asks for a
// new number.
#pragma once

#include <string>
#include <string_view>

#include "net/Messages.h"
#include "ui/WindowControls.h"

namespace ringlook {

inline constexpr std::string_view kEditCaption = "Wijzigen";
inline constexpr std::string_view kAddCaption = "Toevoegen";

class TFormEdit {
 public:
  explicit TFormEdit(ui::FormEditControls controls);

  // The mode setup, when the dialog opens. Not on every activation: a window
  // opening over the dialog and closing again would empty what the user typed.
  void FormShow();
  void CheckBox1Click();
  void Edit1KeyPress(char& key);
  void Button1Click();
  void Button2Click();

  // Empty and disabled until the server's reply for number, about to be asked for.
  void Prepare(std::string_view number);
  // Fills and enables the fields with the entry the dialog waits for, once;
  // false, changing nothing, for any other entry.
  bool Fill(const net::NumberRecord& entry);

  ui::FormEditControls Controls;

 private:
  bool awaiting_ = false;
  std::string awaitedNumber_;
};

}  // namespace ringlook
