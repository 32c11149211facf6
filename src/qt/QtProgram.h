// The whole program on Qt: the five windows, the desktop, the link, the stored
// settings and the autostart entry, with the window logic built on them as the
// executable runs it. Tests build one in their own process, against a server
// on any port and with settings in a folder of their own.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <cstdint>
#include <string>

#include "main/WindowLogic.h"
#include "qt/AutostartDesktopEntry.h"
#include "qt/QtApplication.h"
#include "qt/QtClientSocket.h"
#include "qt/QtClock.h"
#include "qt/QtSettingsStore.h"
#include "qt/QtTimer.h"
#include "qt/QtWindows.h"

namespace ringlook::qt {

class QtProgram {
 public:
  struct Options {
    // Holds the settings (Ringlook/) and the autostart entry (autostart/).
    QString configFolder;
    std::uint16_t port = QtClientSocket::kPort;
    // What the autostart entry runs.
    std::string programPath;
  };

  // notifications: the bus where the notification service is looked for.
  explicit QtProgram(const Options& options, QDBusConnection notifications = QDBusConnection::sessionBus());

  // Shows the main window; its first activation reads the settings and connects.
  void Start();

  // In the order they are made; the window logic goes first when the program ends.
  QtClock clock;
  QtTimer settleTimer{net::kSettleMs, false};
  QtWindows windows;
  QtApplication application;
  QtClientSocket socket;
  QtSettingsStore store;
  AutostartDesktopEntry autostart;
  WindowLogic logic;
};

}  // namespace ringlook::qt
