// The main window's side of the connection: the start-up window, in which a
// failure is retried in silence; the sleep that the clock shows where the
// platform does not tell; and the status bar's connection and error panels as
// the link comes and goes.
#pragma once

#include <cstdint>
#include <string_view>

#include "net/ClientSocket.h"
#include "ports/Clock.h"
#include "ui/Application.h"
#include "ui/StatusBar.h"
#include "ui/WindowDefinitions.h"

namespace ringlook {

// Status texts; their leading blanks are spacing inside the panels.
namespace status {
inline constexpr std::string_view kNotConnected = ui::definitions::main_window::kStatusPanels[0].startText;
inline constexpr std::string_view kConnecting = "  Verbinding maken...";
inline constexpr std::string_view kConnected = "   Verbonden";
inline constexpr std::string_view kHelp = ui::definitions::main_window::kStatusPanels[2].startText;
inline constexpr std::string_view kErrorPrefix = "Error : ";
}  // namespace status

// The desktop's notification when a link that was up stops answering.
inline constexpr std::string_view kLinkLostNotice = "Verbinding met de server verbroken";

class ServerLink {
 public:
  ServerLink(net::ClientSocket& socket, ui::StatusBar& status, ui::Application& app, ringlook::Clock& time);

  // The start-up window (60.48 s) and the sleep watch count from startDays.
  void StartAt(double startDays);
  // Strictly before the start-up window's end.
  [[nodiscard]] bool InsideStartupWindow() const;
  // True when the date-time ran more than 30 s further than the tick since the last call.
  bool WokeSinceLastCheck();

  void ShowConnecting();
  void ShowConnected();
  void ShowNotConnected();
  // A failure after the start-up window, in the error panel; a reset closes the
  // link. False when the link is not up afterwards.
  bool ShowError(int errorCode);

 private:
  net::ClientSocket& socket_;
  ui::StatusBar& status_;
  ui::Application& app_;
  ringlook::Clock& time_;
  double startTime_ = 0.0;
  double lastCheckDays_ = 0.0;
  std::uint64_t lastCheckTick_ = 0;
};

}  // namespace ringlook
