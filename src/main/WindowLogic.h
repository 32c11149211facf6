// The five windows' logic, built once from their five control sets and the
// services: what the Qt program, the Win32 program and the tests each make one
// of. The dialogs come first, as the main window works with them; what they
// tell the main window goes through the events wired here.
#pragma once

#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "records/TFormEdit.h"
#include "settings/TFormSetup.h"

namespace ringlook {

struct WindowControls {
  ui::FormRinglookControls FormRinglook;
  ui::FormSetupControls FormSetup;
  ui::FormEditControls FormEdit;
  ui::FormSentMSGControls FormSentMSG;
  ui::FormMSGControls FormMSG;
};

class WindowLogic {
 public:
  WindowLogic(const WindowControls& windows, const TFormRinglook::Services& services);
  WindowLogic(const WindowLogic&) = delete;
  WindowLogic& operator=(const WindowLogic&) = delete;

  TFormSetup formSetup;
  TFormEdit formEdit;
  TFormSentMSG formSentMSG;
  TFormMSG formMSG;
  TFormRinglook formRinglook;
};

}  // namespace ringlook
