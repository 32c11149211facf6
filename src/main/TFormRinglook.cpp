// The main window's logic: creation, activation, keys, timers, status bar and
// close. The connection handlers and the settings live in files of their own.
#include "main/TFormRinglook.h"

#include "common/Error.h"
#include "common/Text.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "net/Messages.h"
#include "records/TFormEdit.h"
#include "settings/TFormSetup.h"

namespace ringlook {

namespace {
constexpr int kFallbackTop = 125;
constexpr int kFallbackLeft = 155;
constexpr int kSearchCloseMargin = 35;
constexpr int kLargeFontsDpi = 120;
constexpr int kLargeFontHeight = 15;
}  // namespace

TFormRinglook::TFormRinglook(ui::FormRinglookControls controls, Services services)
    : Controls(controls),
      Env(std::move(services)),
      receiver_(Env.ClientSocket1, Env.SettleTimer, Env.Time, [this](std::string_view text) {
        // The connection may have ended while the text came: the list of a lost
        // connection stays empty.
        if (Env.ClientSocket1.Active()) Dispatch(text);
      }) {
  Controls.Self.OnShow = [this] { FormShow(); };
  Controls.Self.OnActivate = [this] { FormActivate(); };
  Controls.Self.OnCloseQuery = [this] { return FormClose(); };
  Controls.Self.OnKeyDown = [this](int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  Controls.Timer1.OnTimer = [this] { Timer1Timer(); };
  Controls.Timer2.OnTimer = [this] { Timer2Timer(); };
  Controls.Find1.OnClick = [this] { Find1Click(); };
  Controls.Button1.OnClick = [this] { Button1Click(); };
  Controls.Button2.OnClick = [this] { Button2Click(); };
  Controls.Edit1.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  Controls.ListBox1.OnClick = [this] { ListBox1Click(); };
  Controls.ListBox1.OnDblClick = [this] { ListBox1DblClick(); };
  Controls.Addnumber1.OnClick = [this] { Addnumber1Click(); };
  Controls.Deletenumber1.OnClick = [this] { Deletenumber1Click(); };
  Controls.Timer3.OnTimer = [this] { Timer3Timer(); };
  Controls.StatusBar1.OnClick = [this] { StatusBar1Click(); };
  Controls.Sentmassage1.OnClick = [this] { Sentmassage1Click(); };
  Controls.ViewMessages1.OnClick = [this] { ViewMessages1Click(); };
  Controls.Setup1.OnClick = [this] { Setup1Click(); };
  Controls.Help1.OnClick = [this] { Help1Click(); };
  Env.ClientSocket1.SetEvents(this);
  FormCreate();
}

namespace {
template <typename Dialog>
Dialog& Attached(Dialog* dialog) {
  if (dialog == nullptr) throw Error("A dialog was used before it was attached to the main window");
  return *dialog;
}
}  // namespace

TFormSetup& TFormRinglook::Setup() const { return Attached(setup_); }
TFormEdit& TFormRinglook::Edit() const { return Attached(edit_); }
TFormSentMSG& TFormRinglook::SentMSG() const { return Attached(sentMSG_); }
TFormMSG& TFormRinglook::MSG() const { return Attached(msg_); }

void TFormRinglook::FormCreate() {
  StartTime = Env.Time.Now();
  FirstActivation = true;
}

void TFormRinglook::FormShow() {
  Controls.Button1.SetLeft(Controls.Self.Width() - (Controls.Button1.Width() + kSearchCloseMargin));
}

void TFormRinglook::FormActivate() {
  if (!FirstActivation) return;
  // Cleared before the work, not after: reading the settings may show a modal
  // dialog, and an activation inside it must not start this work a second time.
  FirstActivation = false;
  LastCorrespondent.clear();
  ProgramFolder = Env.WorkingFolder ? Env.WorkingFolder() : std::string();
  Controls.Self.SetCaption(Controls.Self.Caption() + " " + std::string(kVersion));
  try {
    Leesreg();
  } catch (const Error& e) {
    Env.App.MessageBox(e.what(), ui::MessageKind::Error);
    return;
  }
  ApplyStoredPosition();
  Controls.Self.FreezeWidthAndMinimumHeight();
  if (GetLargeFonts()) Controls.ListBox1.SetFontHeight(kLargeFontHeight);
  Env.App.Minimize();
}

void TFormRinglook::ApplyStoredPosition() {
  int top = 0;
  int left = 0;
  const bool topValid = ParseInt(StoredY, top);
  if (topValid) Controls.Self.SetTop(top);
  if (topValid && ParseInt(StoredX, left)) {
    Controls.Self.SetLeft(left);
    return;
  }
  Controls.Self.SetTop(kFallbackTop);
  Controls.Self.SetLeft(kFallbackLeft);
}

bool TFormRinglook::FormClose() {
  try {
    SchrijfReg();
  } catch (const Error& e) {
    // Shown, but the question still follows: a store that cannot be written
    // must not make the program impossible to close.
    Env.App.MessageBox(e.what(), ui::MessageKind::Error);
  }
  const auto answer = Env.App.MessageBox("Weet u zeker dat u Ringlook wilt afsluiten ?", ui::MessageKind::Confirmation);
  if (answer != ui::MessageAnswer::Yes) return false;
  Env.App.Terminate();
  return true;
}

void TFormRinglook::Reconnect(const std::string& target) {
  net::ClientSocket& socket = Env.ClientSocket1;
  socket.SetActive(false);
  // Host as well as Address: once the settings dialog has set Host, it would
  // otherwise keep the primary server whatever the key asked for.
  socket.SetAddress(target);
  socket.SetHost(target);
  socket.SetActive(true);
}

void TFormRinglook::FormKeyDown(int& key, ui::ShiftState shift) {
  if (shift.alt && key == ui::key::kDigit1) {
    key = 0;
    Reconnect(Setup().Controls.Edit1.Text());
  }
  if (shift.alt && key == ui::key::kDigit2) {
    key = 0;
    Reconnect(Server2Address);
  }
  if (shift.alt && key == ui::key::kDigit0) {
    key = 0;
    const bool show = !Controls.Addnumber1.Visible();
    Controls.Addnumber1.SetVisible(show);
    Controls.Deletenumber1.SetVisible(show);
    Controls.N1.SetVisible(show);
  }
  if (key == ui::key::kF1) {
    key = 0;
    Env.App.ShowHelpContext(kHelpContext);
  }
}

void TFormRinglook::Timer1Timer() {
  Controls.Timer1.SetEnabled(false);
  Env.App.SetTitle(kApplicationTitle);
}

void TFormRinglook::Timer3Timer() {
  Controls.Timer3.SetEnabled(false);
  const std::string nick = Trimmed(Setup().Controls.Edit2.Text());
  if (!nick.empty() && Env.ClientSocket1.Active()) Env.ClientSocket1.SendBytes(net::NickRequest(nick));
  Controls.Timer3.SetEnabled(true);
}

void TFormRinglook::StatusBar1Click() {
  Controls.StatusBar1.SetPanelBevel(0, ui::Bevel::Lowered);
  if (!Env.ClientSocket1.Active()) Env.ClientSocket1.SetActive(true);
}

void TFormRinglook::Setup1Click() { Setup().Controls.Self.ShowModal(); }

void TFormRinglook::Help1Click() { Env.App.ShowHelpTopic(kHelpTopic); }

void TFormRinglook::Pauze(int ms) {
  const std::uint64_t deadline = Env.Time.TickMs() + static_cast<std::uint64_t>(ms > 0 ? ms : 0);
  do {
    Env.App.ProcessEvents(deadline);
  } while (Env.Time.TickMs() < deadline);
}

bool TFormRinglook::GetLargeFonts() const { return Env.App.LogicalDpi() == kLargeFontsDpi; }

}  // namespace ringlook
