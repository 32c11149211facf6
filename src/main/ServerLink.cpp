// The main window's side of the connection: see ServerLink.h.
#include "main/ServerLink.h"

#include <cmath>
#include <string>

namespace ringlook {

namespace {
// The start-up window: 0.0007 days, 60.48 s.
constexpr long long kStartupWindowMicroseconds = 60480000;
// Summer time looks the same as a sleep and costs one HISTORY.
constexpr double kWakeJumpMs = 30000.0;
}  // namespace

ServerLink::ServerLink(net::ClientSocket& socket, ui::StatusBar& status, ui::Application& app, ringlook::Clock& time)
    : socket_(socket), status_(status), app_(app), time_(time) {}

void ServerLink::StartAt(double startDays) {
  startTime_ = startDays;
  lastCheckDays_ = startDays;
  lastCheckTick_ = time_.TickMs();
}

// Date-times near day 46000 carry about a microsecond of rounding noise, enough
// to put an error at exactly 60.48 s on the wrong side: compare whole microseconds.
bool ServerLink::InsideStartupWindow() const {
  return std::llround((time_.Now() - startTime_) * kMsPerDay * 1000.0) < kStartupWindowMicroseconds;
}

bool ServerLink::WokeSinceLastCheck() {
  const double now = time_.Now();
  const std::uint64_t tick = time_.TickMs();
  const double wallMs = (now - lastCheckDays_) * kMsPerDay;
  const double tickMs = static_cast<double>(tick - lastCheckTick_);
  lastCheckDays_ = now;
  lastCheckTick_ = tick;
  return wallMs - tickMs > kWakeJumpMs;
}

void ServerLink::ShowConnecting() {
  status_.SetPanelBevel(0, ui::Bevel::Lowered);
  status_.SetPanelText(2, status::kHelp);
  status_.SetPanelText(0, status::kConnecting);
}

void ServerLink::ShowConnected() {
  status_.SetPanelBevel(0, ui::Bevel::Lowered);
  status_.SetPanelText(0, status::kConnected);
}

void ServerLink::ShowNotConnected() {
  status_.SetPanelText(0, status::kNotConnected);
  status_.SetPanelBevel(0, ui::Bevel::Raised);
}

bool ServerLink::ShowError(int errorCode) {
  status_.SetPanelText(2, std::string(status::kErrorPrefix) + std::to_string(errorCode));
  // A link that was up and stopped answering: on Wayland, or minimised, the window may not come back by itself.
  if (errorCode == net::socket_error::kTimedOut && socket_.Active()) app_.NotifyText(kLinkLostNotice);
  if (errorCode == net::socket_error::kReset) socket_.SetActive(false);
  return socket_.Active();
}

}  // namespace ringlook
