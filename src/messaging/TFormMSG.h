// The messages window ("Berichten"): the received messages, with answering,
// clearing, copying and clickable addresses.
#pragma once

#include "ui/WindowControls.h"

namespace ringlook {

class TFormMSG {
 public:
  explicit TFormMSG(ui::FormMSGControls controls) : Controls(controls) {}

  ui::FormMSGControls Controls;
};

}  // namespace ringlook
