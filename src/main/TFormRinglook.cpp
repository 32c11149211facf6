// The main window's logic: creation, activation, keys, timers, status bar, menu
// and close. The other concerns live in the files beside this one.
#include "main/TFormRinglook.h"

#include <cstdint>

#include "common/Error.h"
#include "common/Text.h"
#include "common/Version.h"
#include "messaging/TFormSentMSG.h"
#include "net/Messages.h"
#include "settings/TFormSetup.h"

namespace ringlook {

namespace {
constexpr int kFallbackTop = 125;
constexpr int kFallbackLeft = 155;
constexpr int kSearchCloseMargin = 35;
constexpr int kLargeFontsDpi = 120;
constexpr int kLargeFontHeight = 15;
}  // namespace

TFormRinglook::TFormRinglook(ui::FormRinglookControls controls, const Services& services, Dialogs dialogs)
    : controls_(controls),
      env_(services),
      dialogs_(dialogs),
      receiver_(env_.ClientSocket1, env_.SettleTimer, env_.Time,
                [this](std::string_view text) {
                  // The connection may have ended while the text came: the list of a lost
                  // connection stays empty.
                  if (env_.ClientSocket1.Active()) Dispatch(text);
                }),
      calls_({controls_.ListBox1, controls_.StatusBar1, controls_.Timer1, controls_.Panel2}, env_.App, env_.Time),
      link_(env_.ClientSocket1, controls_.StatusBar1, env_.App, env_.Time) {
  controls_.Self.OnShow = [this] { FormShow(); };
  controls_.Self.OnActivate = [this] { FormActivate(); };
  controls_.Self.OnCloseQuery = [this] { return FormClose(); };
  controls_.Self.OnKeyDown = [this](int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  controls_.Timer1.OnTimer = [this] { Timer1Timer(); };
  controls_.Timer2.OnTimer = [this] { Timer2Timer(); };
  controls_.Find1.OnClick = [this] { Find1Click(); };
  controls_.Button1.OnClick = [this] { Button1Click(); };
  controls_.Button2.OnClick = [this] { Button2Click(); };
  controls_.Edit1.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  controls_.ListBox1.OnClick = [this] { ListBox1Click(); };
  controls_.ListBox1.OnDblClick = [this] { ListBox1DblClick(); };
  controls_.Addnumber1.OnClick = [this] { Addnumber1Click(); };
  controls_.Deletenumber1.OnClick = [this] { Deletenumber1Click(); };
  controls_.Timer3.OnTimer = [this] { Timer3Timer(); };
  controls_.StatusBar1.OnClick = [this] { StatusBar1Click(); };
  controls_.Sentmassage1.OnClick = [this] { Sentmassage1Click(); };
  controls_.ViewMessages1.OnClick = [this] { ViewMessages1Click(); };
  controls_.Setup1.OnClick = [this] { Setup1Click(); };
  controls_.Help1.OnClick = [this] { Help1Click(); };
  env_.ClientSocket1.SetEvents(this);
  env_.App.OnShowCall = [this](const std::string& number) { ShowCall(number); };
  env_.App.OnEditCall = [this](const std::string& number) { EditNumber(number); };
  env_.App.OnWake = [this] { MachineWoke(); };
  env_.App.OnScreensChanged = [this] { KeepOnScreen(); };
  controls_.ListBox1.OnPopup = [this](int index) { PopupMenu1Popup(index); };
  controls_.CallBack1.OnClick = [this] { CallBack1Click(); };
  controls_.LookUp1.OnClick = [this] { LookUp1Click(); };
  controls_.PassOn1.OnClick = [this] { PassOn1Click(); };
  controls_.CopyNumber1.OnClick = [this] { CopyNumber1Click(); };
  controls_.SaveList1.OnClick = [this] { SaveList1Click(); };
  env_.App.OnCallBack = [this](const std::string& number) { CallBack(number); };
  env_.App.OnPassOn = [this](const calls::RecentCaller& caller) { PassOn(caller.Name, caller.Number, caller.Time); };
  FormCreate();
}

void TFormRinglook::FormCreate() {
  link_.StartAt(env_.Time.Now());
  firstActivation_ = true;
}

void TFormRinglook::FormShow() {
  controls_.Button1.SetLeft(controls_.Self.Width() - (controls_.Button1.Width() + kSearchCloseMargin));
}

void TFormRinglook::FormActivate() {
  if (!firstActivation_) return;
  // Cleared before the work, not after: reading the settings may show a modal
  // dialog, and an activation inside it must not start this work a second time.
  firstActivation_ = false;
  dialogs_.SentMSG.SetLastCorrespondent("");
  controls_.Self.SetCaption(controls_.Self.Caption() + " " + std::string(kVersion));
  try {
    Leesreg();
  } catch (const Error& e) {
    env_.App.MessageBox(e.what(), ui::MessageKind::Error);
    return;
  }
  ApplyStoredPosition();
  controls_.Self.FreezeWidthAndMinimumHeight();
  if (GetLargeFonts()) controls_.ListBox1.SetFontHeight(kLargeFontHeight);
  env_.App.Minimize();
}

void TFormRinglook::ApplyStoredPosition() {
  int top = 0;
  int left = 0;
  const bool topValid = ParseInt(stored_.Y, top);
  if (topValid) controls_.Self.SetTop(top);
  if (topValid && ParseInt(stored_.X, left)) {
    controls_.Self.SetLeft(left);
  } else {
    controls_.Self.SetTop(kFallbackTop);
    controls_.Self.SetLeft(kFallbackLeft);
  }
  KeepOnScreen();
}

void TFormRinglook::KeepOnScreen() {
  ui::Form& self = controls_.Self;
  const ui::Position to =
      ui::OnScreen({self.Left(), self.Top(), self.Width(), self.Height()}, self.TitleBarHeight(), env_.App.Screens());
  if (to.top != self.Top()) self.SetTop(to.top);
  if (to.left != self.Left()) self.SetLeft(to.left);
}

bool TFormRinglook::FormClose() {
  try {
    SchrijfReg();
  } catch (const Error& e) {
    // Shown, but the question still follows: a store that cannot be written
    // must not make the program impossible to close.
    env_.App.MessageBox(e.what(), ui::MessageKind::Error);
  }
  const auto answer =
      env_.App.MessageBox("Weet u zeker dat u Ringlook wilt afsluiten ?", ui::MessageKind::Confirmation);
  if (answer != ui::MessageAnswer::Yes) return false;
  env_.App.Terminate();
  return true;
}

void TFormRinglook::FormKeyDown(int& key, ui::ShiftState shift) {
  if (shift.alt && key == ui::key::kDigit1) {
    key = 0;
    net::Connect(env_.ClientSocket1, net::ConnectWay::SwitchServer, dialogs_.Setup.ServerAddress());
  }
  if (shift.alt && key == ui::key::kDigit2) {
    key = 0;
    net::Connect(env_.ClientSocket1, net::ConnectWay::SwitchServer, stored_.Server2);
  }
  if (shift.alt && key == ui::key::kDigit0) {
    key = 0;
    const bool show = !controls_.Addnumber1.Visible();
    controls_.Addnumber1.SetVisible(show);
    controls_.Deletenumber1.SetVisible(show);
    controls_.N1.SetVisible(show);
  }
  if (key == ui::key::kF1) {
    key = 0;
    env_.App.ShowHelpContext(kHelpContext);
  }
}

void TFormRinglook::Timer1Timer() { calls_.TitleTimerExpired(); }

void TFormRinglook::Timer3Timer() {
  controls_.Timer3.SetEnabled(false);
  // Without the platform's word, a wake shows here as a date-time that ran on while the tick stood still.
  if (link_.WokeSinceLastCheck() && !env_.App.ReportsWake()) MachineWoke();
  const std::string nick = Trimmed(dialogs_.Setup.Nickname());
  if (!nick.empty() && env_.ClientSocket1.Active()) env_.ClientSocket1.SendBytes(net::NickRequest(nick));
  controls_.Timer3.SetEnabled(true);
}

void TFormRinglook::StatusBar1Click() {
  controls_.StatusBar1.SetPanelBevel(0, ui::Bevel::Lowered);
  net::Connect(env_.ClientSocket1, net::ConnectWay::Retry);
}

std::string TFormRinglook::ListBoxTrim(const net::CallerRecord& caller) { return calls_.ListBoxTrim(caller); }

void TFormRinglook::Wijzig(const net::ChangeNotice& notice) { calls_.Wijzig(notice); }

void TFormRinglook::RaiseMainWindow() {
  env_.App.RaiseWithoutActivating(controls_.Self);
  KeepOnScreen();
}

void TFormRinglook::Setup1Click() { dialogs_.Setup.ShowModal(); }

void TFormRinglook::Help1Click() { env_.App.ShowHelpTopic(kHelpTopic); }

void TFormRinglook::Pauze(int ms) {
  const std::uint64_t deadline = env_.Time.TickMs() + static_cast<std::uint64_t>(ms > 0 ? ms : 0);
  do {
    env_.App.ProcessEvents(deadline);
  } while (env_.Time.TickMs() < deadline);
}

bool TFormRinglook::GetLargeFonts() const { return env_.App.LogicalDpi() == kLargeFontsDpi; }

}  // namespace ringlook
