// The four dialogs of Win32Windows (the main window is in Win32Windows.cpp).
#include <richedit.h>

#include "ui/win32/Fonts.h"
#include "ui/win32/Win32Windows.h"

namespace ringlook::win32 {

namespace {

constexpr DWORD kCloseBoxOnly = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kNoCaptionButtons = WS_POPUP | WS_CAPTION;

std::unique_ptr<Win32Form> Dialog(HWND owner, const char* name, const char* caption, DWORD style, int width, int height,
                                  DWORD exStyle = 0) {
  auto dialog = std::make_unique<Win32Form>(owner, name, caption, style, WS_EX_DLGMODALFRAME | exStyle, width, height);
  SendMessageA(dialog->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(11)), FALSE);
  return dialog;
}

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

}  // namespace

void Win32Windows::BuildFormSetup(HWND owner) {
  setupForm_ = Dialog(owner, "FormSetup", "Instellingen", kCloseBoxOnly, 312, 196);
  const HWND form = setupForm_->Handle();
  Make<Win32Label>(form, "Label2", "Naam", At(16, 12, 280, 14));
  Make<Win32Label>(form, "Label1", "Ringlook Server IP", At(16, 58, 280, 14));
  // Created in tab order: the server field gets the focus although the name stands above it.
  auto& edit1 = Make<Win32Edit>(form, "Edit1", At(16, 74, 280, 21));
  auto& edit2 = Make<Win32Edit>(form, "Edit2", At(16, 28, 280, 21));
  auto& checkBox1 =
      Make<Win32CheckBox>(form, "CheckBox1", "Start Ringlook automatisch bij het opstarten", At(16, 108, 280, 17));
  auto& checkBox2 = Make<Win32CheckBox>(form, "CheckBox2", "Popup bij iedere beller", At(16, 130, 280, 17));
  auto& button1 = Make<Win32Button>(form, "Button1", "Ok", At(118, 160, 75, 25));
  formSetup_.reset(new ui::FormSetupControls{*setupForm_, edit1, edit2, checkBox1, checkBox2, button1});
}

void Win32Windows::BuildFormEdit(HWND owner) {
  editForm_ = Dialog(owner, "FormEdit", "Wijzigen", kCloseBoxOnly, 380, 262);
  const HWND form = editForm_->Handle();
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(13)), FALSE);
  editPanel_ = std::make_unique<Win32Panel>(form, "Panel1", At(10, 10, 360, 207), 1);
  const HWND panel = editPanel_->Handle();
  Make<Win32Label>(panel, "Label1", "Naam    :", At(10, 13, 62, 16));
  auto& edit1 = Make<Win32Edit>(panel, "Edit1", At(74, 10, 276, 22), 37);
  Make<Win32Label>(panel, "Label2", "Nummer :", At(10, 41, 62, 16));
  auto& edit2 = Make<Win32Edit>(panel, "Edit2", At(74, 38, 160, 22));
  auto& checkBox1 = Make<Win32CheckBox>(panel, "CheckBox1", "Alert", At(290, 40, 60, 18));
  auto& memo1 = Make<Win32Memo>(panel, "Memo1", At(10, 68, 340, 129), 1024);
  edit2.SetReadOnly(true);
  edit2.SetBackground(ui::Colour::Menu);
  auto& button1 = Make<Win32Button>(form, "Button1", "Annuleren", At(214, 227, 75, 25));
  auto& button2 = Make<Win32Button>(form, "Button2", "Ok", At(295, 227, 75, 25));
  formEdit_.reset(new ui::FormEditControls{*editForm_, edit1, edit2, checkBox1, memo1, button1, button2});
}

void Win32Windows::BuildFormSentMSG(HWND owner) {
  sentMSGForm_ = Dialog(owner, "FormSentMSG", "Verstuur bericht", kNoCaptionButtons, 346, 220);
  const HWND form = sentMSGForm_->Handle();
  // A top strip 41 pixels high, the message 346 x 135 under it, the buttons below.
  Make<Win32Label>(form, "Label1", "Naar :", At(8, 14, 40, 14));
  auto& comboBox1 = Make<Win32ComboBox>(form, "ComboBox1", At(52, 10, 286, 21));
  auto& memo1 = Make<Win32Memo>(form, "Memo1", At(0, 41, 346, 135), 400);
  auto& button1 = Make<Win32Button>(form, "Button1", "Annuleren", At(182, 186, 75, 25));
  auto& button2 = Make<Win32Button>(form, "Button2", "Versturen", At(263, 186, 75, 25));
  for (HWND fixedPitch : {comboBox1.Handle(), memo1.Handle()}) {
    SendMessageA(fixedPitch, WM_SETFONT, reinterpret_cast<WPARAM>(FixedPitchFont(13)), FALSE);
  }
  formSentMSG_.reset(new ui::FormSentMSGControls{*sentMSGForm_, comboBox1, memo1, button1, button2});
}

void Win32Windows::BuildFormMSG(HWND owner) {
  msgForm_ = Dialog(owner, "FormMSG", "Berichten", kNoCaptionButtons, 479, 191, WS_EX_TOPMOST);
  const HWND form = msgForm_->Handle();
  // The view fills the top, 479 x 155; the buttons stand in the 36 pixels below it.
  auto& richOntvang = Make<Win32RichView>(form, "RichOntvang", At(0, 0, 479, 155));
  SendMessageA(richOntvang.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(13)), FALSE);
  const int answerWidth = ButtonWidth(form, "Beantwoorden", 75);
  auto& button3 = Make<Win32Button>(form, "Button3", "Wissen", At(4, 161, 75, 25));
  auto& button2 = Make<Win32Button>(form, "Button2", "Beantwoorden", At(394 - answerWidth, 161, answerWidth, 25));
  auto& button1 = Make<Win32Button>(form, "Button1", "Sluiten", At(400, 161, 75, 25));
  popupKopieer_ = std::make_unique<Win32PopupMenu>("PopupKopieer");
  auto& kopieerenCTRLC1 = popupKopieer_->Add("KopieerenCTRLC1", "&Kopieer     CTRL-C");
  msgForm_->SetContextMenu(popupKopieer_.get(), richOntvang.Handle());
  formMSG_.reset(new ui::FormMSGControls{*msgForm_, richOntvang, button1, button2, button3, kopieerenCTRLC1});
}

}  // namespace ringlook::win32
