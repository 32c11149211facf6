// The five windows and their controls on Win32, created in the order the
// program starts them: FormRinglook, FormSetup, FormEdit, FormSentMSG, FormMSG,
// all owned by the application window. Every control carries its name from the
// window definitions (see Win32Child.h). The control sets are what the window
// logic takes.
#pragma once

#include <memory>
#include <vector>

#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"
#include "win32/Win32Button.h"
#include "win32/Win32ComboBox.h"
#include "win32/Win32Edit.h"
#include "win32/Win32Form.h"
#include "win32/Win32Label.h"
#include "win32/Win32ListBox.h"
#include "win32/Win32Panel.h"
#include "win32/Win32PopupMenu.h"
#include "win32/Win32RichView.h"
#include "win32/Win32StatusBar.h"
#include "win32/Win32Timer.h"

namespace ringlook::win32 {

class Win32Windows {
 public:
  // owner: the application window.
  explicit Win32Windows(HWND owner);
  ~Win32Windows();
  Win32Windows(const Win32Windows&) = delete;
  Win32Windows& operator=(const Win32Windows&) = delete;

  [[nodiscard]] const ui::FormRinglookControls& FormRinglook() const { return *formRinglook_; }
  [[nodiscard]] const ui::FormSetupControls& FormSetup() const { return *formSetup_; }
  [[nodiscard]] const ui::FormEditControls& FormEdit() const { return *formEdit_; }
  [[nodiscard]] const ui::FormSentMSGControls& FormSentMSG() const { return *formSentMSG_; }
  [[nodiscard]] const ui::FormMSGControls& FormMSG() const { return *formMSG_; }

  [[nodiscard]] Win32Form& MainForm() const { return *mainForm_; }
  [[nodiscard]] Win32Form& SetupForm() const { return *setupForm_; }
  [[nodiscard]] Win32Form& EditForm() const { return *editForm_; }
  [[nodiscard]] Win32Form& SentMSGForm() const { return *sentMSGForm_; }
  [[nodiscard]] Win32Form& MSGForm() const { return *msgForm_; }
  [[nodiscard]] const Win32PopupMenu& PopupMenu1() const { return *popupMenu1_; }
  [[nodiscard]] const Win32PopupMenu& PopupKopieer() const { return *popupKopieer_; }

 private:
  void BuildFormRinglook(HWND owner);
  void BuildFormSetup(HWND owner);
  void BuildFormEdit(HWND owner);
  void BuildFormSentMSG(HWND owner);
  void BuildFormMSG(HWND owner);
  void LayOutFormRinglook();
  // Tells the caller list over which line the context menu opens.
  void ContextMenuOpening(POINT& at, bool byKeyboard);

  template <typename Control, typename... Arguments>
  Control& Make(Arguments&&... arguments) {
    auto control = std::make_unique<Control>(std::forward<Arguments>(arguments)...);
    Control& made = *control;
    controls_.push_back(std::move(control));
    return made;
  }

  Win32Timer timer1_{ui::definitions::main_window::kTimer1.intervalMs, ui::definitions::main_window::kTimer1.enabled};
  Win32Timer timer2_{ui::definitions::main_window::kTimer2.intervalMs, ui::definitions::main_window::kTimer2.enabled};
  Win32Timer timer3_{ui::definitions::main_window::kTimer3.intervalMs, ui::definitions::main_window::kTimer3.enabled};

  std::unique_ptr<Win32Form> mainForm_;
  std::unique_ptr<Win32Form> setupForm_;
  std::unique_ptr<Win32Form> editForm_;
  std::unique_ptr<Win32Form> sentMSGForm_;
  std::unique_ptr<Win32Form> msgForm_;
  std::unique_ptr<Win32PopupMenu> popupMenu1_;
  std::unique_ptr<Win32PopupMenu> popupKopieer_;

  // Declared after the windows, so they go before the windows they sit in.
  std::unique_ptr<Win32Panel> panel1_;
  std::unique_ptr<Win32Panel> panel2_;
  std::unique_ptr<Win32Panel> editPanel_;
  std::vector<std::unique_ptr<Win32Child>> controls_;
  Win32StatusBar* statusBar1_ = nullptr;
  Win32ListBox* listBox1_ = nullptr;

  std::unique_ptr<ui::FormRinglookControls> formRinglook_;
  std::unique_ptr<ui::FormSetupControls> formSetup_;
  std::unique_ptr<ui::FormEditControls> formEdit_;
  std::unique_ptr<ui::FormSentMSGControls> formSentMSG_;
  std::unique_ptr<ui::FormMSGControls> formMSG_;
};

}  // namespace ringlook::win32
