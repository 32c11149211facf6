// The main window's connection handlers: what the status bar shows while the
// link comes and goes, the silent retries of the first 60.48 seconds, the
// visible not-connected state after them, and the catching up after a sleep.
#include <cmath>
#include <string>

#include "main/TFormRinglook.h"

namespace ringlook {

namespace {
// The start-up window: 0.0007 days, 60.48 s. An error strictly before its end is
// retried silently; one at or after it is shown.
constexpr long long kStartupWindowMicroseconds = 60480000;
constexpr int kStartupRetryPauseMs = 2000;
// More than this between the date-time's and the tick's run since the last
// Timer3 is a sleep. Summer time looks the same and costs one HISTORY.
constexpr double kWakeJumpMs = 30000.0;

// Date-times near day 46000 carry about a microsecond of rounding noise, enough
// to put an error at exactly 60.48 s on the wrong side: compare whole microseconds.
bool InsideStartupWindow(double startDays, double nowDays) {
  return std::llround((nowDays - startDays) * kMsPerDay * 1000.0) < kStartupWindowMicroseconds;
}
}  // namespace

void TFormRinglook::ClientSocket1Connecting() {
  controls_.StatusBar1.SetPanelBevel(0, ui::Bevel::Lowered);
  controls_.StatusBar1.SetPanelText(2, status::kHelp);
  controls_.StatusBar1.SetPanelText(0, status::kConnecting);
}

void TFormRinglook::ClientSocket1Connect() {
  controls_.StatusBar1.SetPanelBevel(0, ui::Bevel::Lowered);
  controls_.StatusBar1.SetPanelText(0, status::kConnected);
  VraagHis();
}

void TFormRinglook::ShowNotConnected() {
  controls_.StatusBar1.SetPanelText(0, status::kNotConnected);
  controls_.StatusBar1.SetPanelBevel(0, ui::Bevel::Raised);
  controls_.ListBox1.Clear();
  env_.App.Restore();
  KeepOnScreen();
}

void TFormRinglook::ClientSocket1Disconnect() {
  receiver_.Drop();
  ShowNotConnected();
}

void TFormRinglook::ClientSocket1Read() { receiver_.Read(); }

void TFormRinglook::ClientSocket1Error(net::ErrorEvent /*errorEvent*/, int& errorCode) {
  net::ClientSocket& socket = env_.ClientSocket1;
  if (InsideStartupWindow(StartTime, env_.Time.Now())) {
    Pauze(kStartupRetryPauseMs);
    errorCode = 0;
    if (!socket.Active()) socket.SetActive(true);
    return;
  }
  controls_.StatusBar1.SetPanelText(2, std::string(status::kErrorPrefix) + std::to_string(errorCode));
  // A link that was up and stopped answering: on Wayland, or minimised, the window may not come back by itself.
  if (errorCode == net::socket_error::kTimedOut && socket.Active()) env_.App.NotifyText(kLinkLostNotice);
  if (errorCode == net::socket_error::kReset) socket.SetActive(false);
  errorCode = 0;
  if (!socket.Active()) ShowNotConnected();
}

void TFormRinglook::MachineWoke() {
  const bool ask = env_.ClientSocket1.Active() && !controls_.Panel2.Visible();
  if (env_.Log) env_.Log(ask ? "wakker uit de slaapstand: HISTORY gevraagd" : "wakker uit de slaapstand");
  if (ask) VraagHis();
}

bool TFormRinglook::WokeSinceLastNick() {
  const double now = env_.Time.Now();
  const std::uint64_t tick = env_.Time.TickMs();
  const double wallMs = (now - lastNickDays_) * kMsPerDay;
  const double tickMs = static_cast<double>(tick - lastNickTick_);
  lastNickDays_ = now;
  lastNickTick_ = tick;
  return wallMs - tickMs > kWakeJumpMs;
}

}  // namespace ringlook
