// The four dialogs of Win32Windows (the main window is in Win32Windows.cpp).
#include <richedit.h>

#include "ui/WindowDefinitions.h"
#include "win32/Fonts.h"
#include "win32/Win32Windows.h"

namespace ringlook::win32 {

namespace {

constexpr DWORD kCloseBoxOnly = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kNoCaptionButtons = WS_POPUP | WS_CAPTION;

std::unique_ptr<Win32Form> Dialog(HWND owner, const ui::definitions::FormDefinition& definition, DWORD style,
                                  DWORD exStyle = 0) {
  auto dialog = std::make_unique<Win32Form>(owner, definition.name, definition.caption, style,
                                            WS_EX_DLGMODALFRAME | exStyle, definition.width, definition.height);
  SendMessageA(dialog->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(11)), FALSE);
  return dialog;
}

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

}  // namespace

void Win32Windows::BuildFormSetup(HWND owner) {
  using namespace ui::definitions::setup_dialog;
  setupForm_ = Dialog(owner, kForm, kCloseBoxOnly);
  const HWND form = setupForm_->Handle();
  Make<Win32Label>(form, kLabel2.name, kLabel2.caption, At(16, 12, 280, 14));
  Make<Win32Label>(form, kLabel1.name, kLabel1.caption, At(16, 58, 280, 14));
  // Created in tab order: the server field gets the focus although the name stands above it.
  auto& edit1 = Make<Win32Edit>(form, "Edit1", At(16, 74, 280, 21));
  auto& edit2 = Make<Win32Edit>(form, "Edit2", At(16, 28, 280, 21));
  auto& checkBox1 = Make<Win32CheckBox>(form, kCheckBox1.name, kCheckBox1.caption, At(16, 108, 280, 17));
  auto& checkBox2 = Make<Win32CheckBox>(form, kCheckBox2.name, kCheckBox2.caption, At(16, 130, 280, 17));
  auto& button1 = Make<Win32Button>(form, kButton1.name, kButton1.caption, At(118, 160, 75, 25));
  formSetup_.reset(new ui::FormSetupControls{*setupForm_, edit1, edit2, checkBox1, checkBox2, button1});
}

void Win32Windows::BuildFormEdit(HWND owner) {
  using namespace ui::definitions::edit_dialog;
  editForm_ = Dialog(owner, kForm, kCloseBoxOnly);
  const HWND form = editForm_->Handle();
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(13)), FALSE);
  editPanel_ = std::make_unique<Win32Panel>(form, "Panel1", At(10, 10, 360, 207), 1);
  const HWND panel = editPanel_->Handle();
  Make<Win32Label>(panel, kLabel1.name, kLabel1.caption, At(10, 13, 62, 16));
  auto& edit1 = Make<Win32Edit>(panel, "Edit1", At(74, 10, 276, 22), kNameLimit);
  Make<Win32Label>(panel, kLabel2.name, kLabel2.caption, At(10, 41, 62, 16));
  auto& edit2 = Make<Win32Edit>(panel, "Edit2", At(74, 38, 160, 22));
  auto& checkBox1 = Make<Win32CheckBox>(panel, kCheckBox1.name, kCheckBox1.caption, At(290, 40, 60, 18));
  auto& memo1 = Make<Win32Memo>(panel, "Memo1", At(10, 68, 340, 129), kNoteLimit);
  edit2.SetReadOnly(true);
  edit2.SetBackground(ui::Colour::Menu);
  auto& button1 = Make<Win32Button>(form, kButton1.name, kButton1.caption, At(214, 227, 75, 25));
  auto& button2 = Make<Win32Button>(form, kButton2.name, kButton2.caption, At(295, 227, 75, 25));
  formEdit_.reset(new ui::FormEditControls{*editForm_, edit1, edit2, checkBox1, memo1, button1, button2});
}

void Win32Windows::BuildFormSentMSG(HWND owner) {
  using namespace ui::definitions::send_dialog;
  sentMSGForm_ = Dialog(owner, kForm, kNoCaptionButtons);
  const HWND form = sentMSGForm_->Handle();
  // A top strip 41 pixels high, the message 346 x 135 under it, the buttons below.
  Make<Win32Label>(form, kLabel1.name, kLabel1.caption, At(8, 14, 40, 14));
  auto& comboBox1 = Make<Win32ComboBox>(form, "ComboBox1", At(52, 10, 286, 21));
  auto& memo1 = Make<Win32Memo>(form, "Memo1", At(0, 41, kForm.width, 135), kMessageLimit);
  auto& button1 = Make<Win32Button>(form, kButton1.name, kButton1.caption, At(182, 186, 75, 25));
  auto& button2 = Make<Win32Button>(form, kButton2.name, kButton2.caption, At(263, 186, 75, 25));
  for (HWND fixedPitch : {comboBox1.Handle(), memo1.Handle()}) {
    SendMessageA(fixedPitch, WM_SETFONT, reinterpret_cast<WPARAM>(FixedPitchFont(13)), FALSE);
  }
  formSentMSG_.reset(new ui::FormSentMSGControls{*sentMSGForm_, comboBox1, memo1, button1, button2});
}

void Win32Windows::BuildFormMSG(HWND owner) {
  using namespace ui::definitions::messages_window;
  msgForm_ = Dialog(owner, kForm, kNoCaptionButtons, WS_EX_TOPMOST);
  const HWND form = msgForm_->Handle();
  // The view fills the top, 479 x 155; the buttons stand in the 36 pixels below it.
  auto& richOntvang = Make<Win32RichView>(form, "RichOntvang", At(0, 0, kForm.width, kForm.height - 36));
  SendMessageA(richOntvang.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(13)), FALSE);
  const int answerWidth = ButtonWidth(form, kButton2.caption, 75);
  auto& button3 = Make<Win32Button>(form, kButton3.name, kButton3.caption, At(4, 161, 75, 25));
  auto& button2 = Make<Win32Button>(form, kButton2.name, kButton2.caption, At(394 - answerWidth, 161, answerWidth, 25));
  auto& button1 = Make<Win32Button>(form, kButton1.name, kButton1.caption, At(400, 161, 75, 25));
  popupKopieer_ = std::make_unique<Win32PopupMenu>(kPopupMenuName);
  const ui::definitions::MenuEntry& copy = kPopupKopieer.front();
  auto& kopieerenCTRLC1 = popupKopieer_->Add(copy.name, copy.caption, copy.visible);
  msgForm_->SetContextMenu(popupKopieer_.get(), richOntvang.Handle());
  formMSG_.reset(new ui::FormMSGControls{*msgForm_, richOntvang, button1, button2, button3, kopieerenCTRLC1});
}

}  // namespace ringlook::win32
