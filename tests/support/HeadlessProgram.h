// The whole window logic on in-memory controls, built as the program builds it:
// the five windows, a manual clock, the in-memory socket, store and autostart
// entry (or others handed in). For tests, benchmarks and fuzzing.
#pragma once

#include <string>
#include <vector>

#include "main/WindowLogic.h"
#include "memory/ManualEventLoop.h"
#include "memory/MemoryApplication.h"
#include "memory/MemoryAutostartEntry.h"
#include "memory/MemoryClientSocket.h"
#include "memory/MemorySettingsStore.h"
#include "memory/MemoryWindows.h"

namespace ringlook {

struct HeadlessProgram {
  explicit HeadlessProgram(SettingsStore* storeOverride = nullptr, AutostartEntry* autostartOverride = nullptr)
      : store(storeOverride != nullptr ? *storeOverride : memoryStore),
        autostart(autostartOverride != nullptr ? *autostartOverride : memoryAutostart),
        logic({mainControls.Controls(), setupControls.Controls(), editControls.Controls(), sentMSGControls.Controls(),
               msgControls.Controls()},
              {app, loop.ClockRef(), socket, store, autostart, settleTimer, "/opt/ringlook/bin/ringlook",
               [this](std::string_view line) { log.emplace_back(line); }}) {
    app.SetTitle(kApplicationTitle);
  }

  // Connects to a dotted address and lets the server accept.
  void Connect(const std::string& address = "192.168.1.10") {
    socket.SetAddress(address);
    socket.SetActive(true);
    socket.AcceptConnection();
  }

  ui::ManualEventLoop loop;
  ui::ManualTimer settleTimer{loop, net::kSettleMs, false};
  std::vector<std::string> log;
  ui::MemoryApplication app{loop};
  net::MemoryClientSocket socket{loop};
  settings::MemorySettingsStore memoryStore;
  settings::MemoryAutostartEntry memoryAutostart;
  SettingsStore& store;
  AutostartEntry& autostart;
  ui::MemoryFormRinglook mainControls{loop};
  ui::MemoryFormSetup setupControls;
  ui::MemoryFormEdit editControls;
  ui::MemoryFormSentMSG sentMSGControls;
  ui::MemoryFormMSG msgControls;
  WindowLogic logic;
  TFormRinglook& main = logic.formRinglook;
  TFormEdit& edit = logic.formEdit;
};

}  // namespace ringlook
