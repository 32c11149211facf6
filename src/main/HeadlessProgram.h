// The whole window logic on in-memory controls, wired as the program wires it
// on Qt: the five windows, a manual clock, the in-memory socket, store and
// autostart entry (or others handed in). For tests, benchmarks, fuzzing and
// other runs without a display.
#pragma once

#include <string>
#include <vector>

#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "net/memory/MemoryClientSocket.h"
#include "records/TFormEdit.h"
#include "settings/MemoryAutostartEntry.h"
#include "settings/MemorySettingsStore.h"
#include "settings/TFormSetup.h"
#include "ui/memory/ManualEventLoop.h"
#include "ui/memory/MemoryApplication.h"
#include "ui/memory/MemoryWindows.h"

namespace ringlook {

struct HeadlessProgram {
  explicit HeadlessProgram(SettingsStore* storeOverride = nullptr, AutostartEntry* autostartOverride = nullptr)
      : store(storeOverride != nullptr ? *storeOverride : memoryStore),
        autostart(autostartOverride != nullptr ? *autostartOverride : memoryAutostart),
        main(mainControls.Controls(),
             TFormRinglook::Services{app, loop.ClockRef(), socket, store, autostart, settleTimer,
                                     [] { return std::string("/home/user"); }, "/opt/ringlook/bin/ringlook",
                                     [this](std::string_view line) { log.emplace_back(line); }}),
        setup(setupControls.Controls(), main),
        edit(editControls.Controls()),
        sentMSG(sentMSGControls.Controls(), main),
        msg(msgControls.Controls(), main) {
    main.AttachSetup(setup);
    main.AttachEdit(edit);
    main.AttachMessaging(sentMSG, msg);
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
  TFormRinglook main;
  TFormSetup setup;
  TFormEdit edit;
  TFormSentMSG sentMSG;
  TFormMSG msg;
};

}  // namespace ringlook
