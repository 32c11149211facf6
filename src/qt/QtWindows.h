// The five windows and their controls, created in the order the program starts
// them: FormRinglook, FormSetup, FormEdit, FormSentMSG, FormMSG. Each control's
// object name is its name in the window definitions and its accessible name
// its caption (or, for a field, the caption of its label), so tests and screen
// readers find it. The control sets are what the window logic takes.
//
// The dialogs are windows of their own, not children of the main window: the
// main window spends most of its life minimised, and a desktop may keep the
// dialogs of a minimised window out of sight with it.
#pragma once

#include <QMenu>
#include <memory>

#include "qt/QtDialogForm.h"
#include "qt/QtMainForm.h"
#include "qt/QtTimer.h"
#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"

namespace ringlook::qt {

class QtWindows {
 public:
  QtWindows();
  ~QtWindows();
  QtWindows(const QtWindows&) = delete;
  QtWindows& operator=(const QtWindows&) = delete;

  [[nodiscard]] const ui::FormRinglookControls& FormRinglook() const { return *formRinglook_; }
  [[nodiscard]] const ui::FormSetupControls& FormSetup() const { return *formSetup_; }
  [[nodiscard]] const ui::FormEditControls& FormEdit() const { return *formEdit_; }
  [[nodiscard]] const ui::FormSentMSGControls& FormSentMSG() const { return *formSentMSG_; }
  [[nodiscard]] const ui::FormMSGControls& FormMSG() const { return *formMSG_; }

  [[nodiscard]] QtMainForm& MainForm() const { return *mainForm_; }
  [[nodiscard]] QtDialogForm& SetupForm() const { return *setupForm_; }
  [[nodiscard]] QtDialogForm& EditForm() const { return *editForm_; }
  [[nodiscard]] QtDialogForm& SentMSGForm() const { return *sentMSGForm_; }
  [[nodiscard]] QtDialogForm& MSGForm() const { return *msgForm_; }

 private:
  void BuildFormRinglook();
  void BuildFormSetup();
  void BuildFormEdit();
  void BuildFormSentMSG();
  void BuildFormMSG();

  QtTimer timer1_{ui::definitions::main_window::kTimer1.intervalMs, ui::definitions::main_window::kTimer1.enabled};
  QtTimer timer2_{ui::definitions::main_window::kTimer2.intervalMs, ui::definitions::main_window::kTimer2.enabled};
  QtTimer timer3_{ui::definitions::main_window::kTimer3.intervalMs, ui::definitions::main_window::kTimer3.enabled};

  std::unique_ptr<QtMainForm> mainForm_;
  std::unique_ptr<QtDialogForm> setupForm_;
  std::unique_ptr<QtDialogForm> editForm_;
  std::unique_ptr<QtDialogForm> sentMSGForm_;
  std::unique_ptr<QtDialogForm> msgForm_;

  // Declared after the windows, so they go before the widgets they refer to.
  std::unique_ptr<ui::FormRinglookControls> formRinglook_;
  std::unique_ptr<ui::FormSetupControls> formSetup_;
  std::unique_ptr<ui::FormEditControls> formEdit_;
  std::unique_ptr<ui::FormSentMSGControls> formSentMSG_;
  std::unique_ptr<ui::FormMSGControls> formMSG_;
};

}  // namespace ringlook::qt
