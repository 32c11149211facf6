// The main window's logic: creation, first activation, keys, timers, status bar,
// close, the connection handlers and the settings reading and writing. Its
// controls come in through FormRinglookControls; everything outside the window
// (desktop, clock, socket, store, autostart entry) through Services.
#pragma once

#include <functional>
#include <string>

#include "net/ClientSocket.h"
#include "ports/AutostartEntry.h"
#include "ports/Clock.h"
#include "ports/SettingsStore.h"
#include "ui/Application.h"
#include "ui/WindowControls.h"

namespace ringlook {

class TFormSetup;

inline constexpr std::string_view kVersion = "v2.54";
inline constexpr std::string_view kApplicationTitle = "Ringlook";
inline constexpr std::string_view kSettingsKey = "\\Software\\Ringlook";
inline constexpr int kHelpContext = 100;
inline constexpr std::string_view kHelpTopic = "Imported_Topic1";

// Status texts; their leading blanks are spacing inside the panels.
namespace status {
inline constexpr std::string_view kNotConnected = "  Geen verbinding";
inline constexpr std::string_view kConnecting = "  Verbinding maken...";
inline constexpr std::string_view kConnected = "   Verbonden";
inline constexpr std::string_view kHelp = "      F1 = Help";
inline constexpr std::string_view kCountAtStart = "  Aantal (vandaag)  :";
inline constexpr std::string_view kErrorPrefix = "Error : ";
}  // namespace status

class TFormRinglook : public net::ClientSocketEvents {
 public:
  struct Services {
    ui::Application& App;
    ringlook::Clock& Time;
    net::ClientSocket& ClientSocket1;
    SettingsStore& Store;
    AutostartEntry& Autostart;
    // The process's current working folder, and the absolute path of the running program.
    std::function<std::string()> WorkingFolder;
    std::string ProgramPath;
  };

  TFormRinglook(ui::FormRinglookControls controls, Services services);

  // The settings dialog is created after the main window; it is handed over here.
  void AttachSetup(TFormSetup& setup) { setup_ = &setup; }

  void FormCreate();
  void FormShow();
  void FormActivate();
  // Saves, then asks; true when the program may end.
  bool FormClose();
  void FormKeyDown(int& key, ui::ShiftState shift);
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void StatusBar1Click();
  void Setup1Click();
  void Help1Click();

  // Waits ms milliseconds while events go on being handled (at least one pass).
  void Pauze(int ms);
  [[nodiscard]] bool GetLargeFonts() const;
  void VraagHis();

  void Leesreg();
  void SchrijfReg();
  void SnelKop(bool create);

  void ClientSocket1Connecting() override;
  void ClientSocket1Connect() override;
  void ClientSocket1Disconnect() override;
  void ClientSocket1Read() override;
  void ClientSocket1Error(net::ErrorEvent errorEvent, int& errorCode) override;

  // Receives every message text the settle wait produces.
  std::function<void(const std::string& text)> Dispatch;

  ui::FormRinglookControls Controls;
  Services Env;

  // Window state.
  double StartTime = 0.0;
  bool FirstActivation = false;
  std::string LastCorrespondent;
  std::string Server2Address;
  std::string StartupFolder;
  std::string ProgramFolder;
  std::string StoredX;
  std::string StoredY;

 private:
  void ShowNotConnected();
  void Reconnect(const std::string& target);
  void ApplyStoredPosition();
  [[nodiscard]] TFormSetup& Setup() const;

  TFormSetup* setup_ = nullptr;
};

}  // namespace ringlook
