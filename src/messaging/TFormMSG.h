// The messages window ("Berichten"): the received messages, with answering,
// clearing, copying and clickable addresses. It stays above other windows while
// it is shown, and only its own buttons close it.
#pragma once

#include <string>

#include "ui/WindowControls.h"

namespace ringlook {

class TFormRinglook;

class TFormMSG {
 public:
  TFormMSG(ui::FormMSGControls controls, TFormRinglook& main);

  // Brings the last lines of the view into sight.
  void ScrollToEnd();
  // Shows the window modally unless it is on screen already. After Beantwoorden
  // the send dialog follows once this showing has ended: a message arriving
  // while the answer is written can then open this window again.
  void ShowUnlessVisible();

  void FormActivate();
  // "Sluiten".
  void Button1Click();
  // "Beantwoorden": answers without the nickname check of the main window's menu.
  void Button2Click();
  // "Wissen".
  void Button3Click();
  // "&Kopieer     CTRL-C", and Ctrl+C in the view.
  void KopieerenCTRLC1Click();
  void RichOntvangURLClick(const std::string& url);

  ui::FormMSGControls Controls;

 private:
  TFormRinglook& main_;
};

}  // namespace ringlook
