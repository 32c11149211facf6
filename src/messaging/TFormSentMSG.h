// The send dialog ("Verstuur bericht"): a recipient from the server's name
// list and the message text. Each showing starts empty and disabled; the name
// list, when the server's reply comes, fills and enables it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/ClientSocket.h"
#include "ui/Application.h"
#include "ui/WindowControls.h"

namespace ringlook {

class TFormSentMSG {
 public:
  struct Events {
    // The sender of a message: the nickname setting's text, unchanged.
    std::function<std::string()> Nickname;
  };

  TFormSentMSG(ui::FormSentMSGControls controls, ui::Application& app, net::ClientSocket& socket, Events events);

  // Asks the server for the name list and shows the dialog modally, its
  // message text filled with message. Already open (under the messages
  // window), it starts afresh instead, so the reply does not list every name twice.
  void AskNamesAndShow(std::string_view message = {});
  [[nodiscard]] bool Showing() const { return controls_.Self.Visible(); }
  // The server's name list: enables the dialog and lists every name but the
  // user's own, in order; the last correspondent, when listed, is chosen.
  void AddNames(const std::vector<std::string_view>& names, std::string_view ownNickname);
  // Who a message last came from or went to; empty again at the first activation.
  [[nodiscard]] const std::string& LastCorrespondent() const { return lastCorrespondent_; }
  void SetLastCorrespondent(std::string_view name) { lastCorrespondent_.assign(name); }

  void FormShow();
  // "Annuleren".
  void Button1Click();
  // "Versturen".
  void Button2Click();

 private:
  ui::FormSentMSGControls controls_;
  ui::Application& app_;
  net::ClientSocket& socket_;
  Events events_;
  std::string message_;
  std::string lastCorrespondent_;
};

}  // namespace ringlook
