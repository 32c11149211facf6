// The send dialog ("Verstuur bericht"): a recipient from the server's name
// list and the message text. Each showing starts empty and disabled; the
// dispatch's NAMELIST branch fills and enables it when the reply comes.
#pragma once

#include "ui/WindowControls.h"

namespace ringlook {

class TFormRinglook;

class TFormSentMSG {
 public:
  TFormSentMSG(ui::FormSentMSGControls controls, TFormRinglook& main);

  // Asks the server for the name list and shows the dialog modally. Already
  // open (under the messages window), it starts afresh instead, so the reply
  // does not list every name twice.
  void AskNamesAndShow();

  void FormShow();
  // "Annuleren".
  void Button1Click();
  // "Versturen".
  void Button2Click();

  ui::FormSentMSGControls Controls;

 private:
  TFormRinglook& main_;
};

}  // namespace ringlook
