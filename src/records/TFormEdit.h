// The number-record dialog ("Wijzigen" / "Toevoegen"): one number's directory
// entry, filled by the server's reply and sent back as a change request.
#pragma once

#include "ui/WindowControls.h"

namespace ringlook {

class TFormEdit {
 public:
  explicit TFormEdit(ui::FormEditControls controls) : Controls(controls) {}

  ui::FormEditControls Controls;
};

}  // namespace ringlook
