// The settings dialog's logic. Its controls are the live settings: every other
// window asks it for a setting at the moment it needs it, and only it writes
// them. Opening it drops the connection; closing it saves and connects again.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "net/ClientSocket.h"
#include "settings/SettingsValues.h"
#include "ui/Application.h"
#include "ui/WindowControls.h"

namespace ringlook {

class TFormSetup {
 public:
  struct Events {
    // The dialog is open and the connection dropped: the caller list is stale.
    std::function<void()> Opened;
    // Saves every setting and the autostart entry; throws Error when it cannot.
    std::function<void()> Save;
  };

  TFormSetup(ui::FormSetupControls controls, ui::Application& app, net::ClientSocket& socket, Events events);

  [[nodiscard]] std::string ServerAddress() const { return controls_.Edit1.Text(); }
  [[nodiscard]] std::string Nickname() const { return controls_.Edit2.Text(); }
  [[nodiscard]] bool Autostart() const { return controls_.CheckBox1.Checked(); }
  [[nodiscard]] bool Popup() const { return controls_.CheckBox2.Checked(); }
  void SetServerAddress(std::string_view address) { controls_.Edit1.SetText(address); }
  void SetNickname(std::string_view nickname) { controls_.Edit2.SetText(nickname); }
  void SetAutostart(bool on) { controls_.CheckBox1.SetChecked(on); }
  void SetPopup(bool on) { controls_.CheckBox2.SetChecked(on); }
  void ShowModal() { controls_.Self.ShowModal(); }
  // The stored values into the controls: what was read of them.
  void Load(const settings::ProgramSettings& stored);
  // The controls' values now, at the moment of saving, into values.
  void Store(settings::ProgramSettings& values) const;

  // Every showing drops the connection (an attempt under way too).
  void FormActivate();
  // The closing steps; false (the error shown) keeps the dialog open, and the
  // next close starts again from the first step.
  bool FormClose();
  void Button1Click();

 private:
  ui::FormSetupControls controls_;
  ui::Application& app_;
  net::ClientSocket& socket_;
  Events events_;
};

}  // namespace ringlook
