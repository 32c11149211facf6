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
    // "Beantwoorden", once this showing has ended: the send dialog follows.
    std::function<void()> Answer;
  };

  TFormMSG(ui::FormMSGControls controls, ui::Application& app, Events events);

  // A received message block, after what the view holds, with the last lines
  // in sight; it is the last block until the next one or "Wissen".
  void Receive(std::string_view block);
  // "Toon berichten": the view holds only the last block, with its last lines in sight.
  void ShowOnlyLast();
  [[nodiscard]] const std::string& LastBlock() const { return lastBlock_; }
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
  std::string lastBlock_;
};

}  // namespace ringlook
