// The main window's logic: its handlers, each short, over state that lives in
// the classes it holds: the caller list (CallList), the connection's side of
// the window (ServerLink), the stored settings (settings::ProgramSettings) and
// the receiver. Its controls come in through FormRinglookControls, the four
// dialogs as the operations they offer, and everything outside the window
// (desktop, clock, socket, store, autostart entry) through Services. Its
// handlers are spread over the files of this folder by concern.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "main/CallList.h"
#include "main/ServerLink.h"
#include "net/ClientSocket.h"
#include "net/Messages.h"
#include "net/Receiver.h"
#include "ports/AutostartEntry.h"
#include "ports/Clock.h"
#include "ports/SettingsStore.h"
#include "settings/SettingsValues.h"
#include "ui/Application.h"
#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"

namespace ringlook {

class TFormSetup;
class TFormEdit;
class TFormSentMSG;
class TFormMSG;

inline constexpr int kHelpContext = ui::definitions::help::kMainWindowContext;
inline constexpr std::string_view kHelpTopic = ui::definitions::help::kMainWindowTopic;

class TFormRinglook : public net::ClientSocketEvents {
 public:
  struct Services {
    ui::Application& App;
    ringlook::Clock& Time;
    net::ClientSocket& ClientSocket1;
    SettingsStore& Store;
    AutostartEntry& Autostart;
    // The settle wait's own timer, off.
    Timer& SettleTimer;
    // The absolute path of the running program, for the autostart entry.
    std::string ProgramPath;
    // A line for the link's log (--verbose); may be empty.
    std::function<void(std::string_view)> Log;
  };
  struct Dialogs {
    TFormSetup& Setup;
    TFormEdit& Edit;
    TFormSentMSG& SentMSG;
    TFormMSG& MSG;
  };

  TFormRinglook(ui::FormRinglookControls controls, const Services& services, Dialogs dialogs);

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
  // The machine woke from sleep: today's calls are asked again, unless a search shows.
  void MachineWoke();
  void Sentmassage1Click();
  void ViewMessages1Click();
  void Setup1Click();
  void Help1Click();

  // Waits ms milliseconds while events go on being handled (at least one pass).
  void Pauze(int ms);
  [[nodiscard]] bool GetLargeFonts() const;

  // One received text, tested for the nine server keywords in their fixed order.
  // Each text has a buffer of its own, which lives until its dispatch returns:
  // a nested dispatch cannot change it.
  void Dispatch(std::string_view text);

  // The caller list: one record into its line (with the status count, and the
  // title's name and prefix), and a change notice applied to every line of its number.
  std::string ListBoxTrim(const net::CallerRecord& caller);
  void Wijzig(const net::ChangeNotice& notice);
  // Restores the application when minimised and puts the window on top without activating it.
  void RaiseMainWindow();

  // History and search.
  void VraagHis();
  void Find1Click();
  void Button1Click();
  void Button2Click();
  void Edit1KeyPress(char& key);
  void ListBox1Click();

  // Number records.
  void ListBox1DblClick();
  // The entry of number, asked for and shown as a double click on its line does.
  void EditNumber(const std::string& number);
  // The window brought up with the first line of number chosen.
  void ShowCall(const std::string& number);
  void Addnumber1Click();
  void Deletenumber1Click();

  void Leesreg();
  void SchrijfReg();
  void SnelKop(bool create);
  // The settings dialog opened, and the connection was dropped: so goes the list.
  void SetupOpened();
  // The settings dialog's closing steps that are the main window's: save, and the autostart entry.
  void SetupClosing();

  void ClientSocket1Connecting() override;
  void ClientSocket1Connect() override;
  void ClientSocket1Disconnect() override;
  void ClientSocket1Read() override;
  void ClientSocket1Error(net::ErrorEvent errorEvent, int& errorCode) override;

  // What comes after a call: the caller group of the context menu, over the
  // line taken when the menu opened, and "Lijst opslaan...".
  void PopupMenu1Popup(int index);
  void CallBack1Click();
  void LookUp1Click();
  void PassOn1Click();
  void CopyNumber1Click();
  void SaveList1Click();
  // Hands number's call address to the desktop, or says there is nothing to take it.
  void CallBack(const std::string& number);
  // The send dialog, its text filled with the call; ignored while it is open.
  void PassOn(std::string_view name, std::string_view number, std::string_view detail);

  [[nodiscard]] const CallList& Calls() const { return calls_; }
  [[nodiscard]] ServerLink& Link() { return link_; }
  [[nodiscard]] const settings::ProgramSettings& Stored() const { return stored_; }
  [[nodiscard]] bool FirstActivationPending() const { return firstActivation_; }
  // The number the edit dialog was last opened for.
  [[nodiscard]] const std::string& SelectedNumber() const { return selectedNumber_; }

 private:
  class Dispatcher;

  void ShowNotConnected();
  void ApplyStoredPosition();
  // Puts the window back on a screen when its title bar is on none.
  void KeepOnScreen();
  // The edit dialog for SelectedNumber; "Ok" sends the change.
  void EditSelectedEntry();
  // "Verstuur bericht", with message in the text.
  void SendMessage(std::string_view message);

  ui::FormRinglookControls controls_;
  Services env_;
  Dialogs dialogs_;
  net::Receiver receiver_;
  CallList calls_;
  ServerLink link_;
  // Read by Leesreg; the templates of "Terugbellen" and "Opzoeken", Server2 and the position.
  settings::ProgramSettings stored_;
  bool firstActivation_ = false;
  std::string selectedNumber_;
  // The line the context menu opened over; empty elsewhere.
  std::string popupLine_;
};

}  // namespace ringlook
