// The messages window ("Berichten"): the received messages, with answering,
// clearing, copying and clickable addresses. It stays above other windows while
// it is shown, and only its own buttons close it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/Application.h"
#include "ui/WindowControls.h"

namespace ringlook {

class TFormMSG {
 public:
  struct Events {
    // "Wissen": the last message block is gone too.
    std::function<void()> Cleared;
    // "Beantwoorden", once this showing has ended: the send dialog follows.
    std::function<void()> Answer;
  };

  TFormMSG(ui::FormMSGControls controls, ui::Application& app, Events events);

  // A received message block, after what the view holds, with the last lines in sight.
  void Append(std::string_view block);
  // "Toon berichten": the view holds only block, with its last lines in sight.
  void ShowOnly(std::string_view block);
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

 private:
  void ScrollToEnd();

  ui::FormMSGControls controls_;
  ui::Application& app_;
  Events events_;
};

}  // namespace ringlook
