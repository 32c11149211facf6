// The main window's connection handlers: what the window does while the link
// comes and goes, the silent retries of the start-up window, the visible
// not-connected state after it, and the catching up after a sleep.
#include <utility>

#include "main/TFormRinglook.h"

namespace ringlook {

namespace {
constexpr int kStartupRetryPauseMs = 2000;
}  // namespace

void TFormRinglook::ClientSocket1Connecting() { link_.ShowConnecting(); }

void TFormRinglook::ClientSocket1Connect() {
  link_.ShowConnected();
  VraagHis();
}

void TFormRinglook::ShowNotConnected() {
  link_.ShowNotConnected();
  calls_.Clear();
  env_.App.Restore();
  KeepOnScreen();
}

void TFormRinglook::ClientSocket1Disconnect() {
  receiver_.Drop();
  ShowNotConnected();
}

void TFormRinglook::ClientSocket1Read() { receiver_.Read(); }

void TFormRinglook::ClientSocket1Error(net::ErrorEvent /*errorEvent*/, int& errorCode) {
  const int code = std::exchange(errorCode, 0);
  if (link_.InsideStartupWindow()) {
    Pauze(kStartupRetryPauseMs);
    net::Connect(env_.ClientSocket1, net::ConnectWay::Retry);
    return;
  }
  if (!link_.ShowError(code)) ShowNotConnected();
}

void TFormRinglook::MachineWoke() {
  const bool ask = env_.ClientSocket1.Active() && !controls_.Panel2.Visible();
  if (env_.Log) env_.Log(ask ? "wakker uit de slaapstand: HISTORY gevraagd" : "wakker uit de slaapstand");
  if (ask) VraagHis();
}

}  // namespace ringlook
