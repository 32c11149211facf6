// The send dialog ("Verstuur bericht"): a recipient from the server's name
// list and the message text.
#pragma once

#include "ui/WindowControls.h"

namespace ringlook {

class TFormSentMSG {
 public:
  explicit TFormSentMSG(ui::FormSentMSGControls controls) : Controls(controls) {}

  ui::FormSentMSGControls Controls;
};

}  // namespace ringlook
