// The settings dialog's logic. Its controls are the live settings: every other
// window reads a setting from them at the moment it needs it.
#pragma once

#include "ui/WindowControls.h"

namespace ringlook {

class TFormRinglook;

class TFormSetup {
 public:
  TFormSetup(ui::FormSetupControls controls, TFormRinglook& main);

  // Every showing drops the connection (an attempt under way too) and clears the list.
  void FormActivate();
  // The five closing steps; false (the error shown) keeps the dialog open, and the
  // next close starts again from the first step.
  bool FormClose();
  void Button1Click();

  ui::FormSetupControls Controls;

 private:
  TFormRinglook& main_;
};

}  // namespace ringlook
