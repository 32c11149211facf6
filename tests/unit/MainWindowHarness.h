// The main window and the settings dialog on in-memory controls, a manual clock,
// the in-memory socket and a scripted desktop: the whole window logic runs in a
// test exactly as in the program, minutes in microseconds.
#pragma once

#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "net/memory/MemoryClientSocket.h"
#include "records/TFormEdit.h"
#include "settings/TFormSetup.h"
#include "ui/memory/ManualEventLoop.h"
#include "ui/memory/MemoryApplication.h"
#include "ui/memory/MemoryWindows.h"

namespace ringlook::testing {

class MockSettingsStore : public SettingsStore {
 public:
  MOCK_METHOD(void, OpenKey, (std::string_view), (override));
  MOCK_METHOD(void, CloseKey, (), (override));
  MOCK_METHOD(std::string, ReadString, (std::string_view), (override));
  MOCK_METHOD(std::int32_t, ReadInteger, (std::string_view), (override));
  MOCK_METHOD(void, WriteString, (std::string_view, std::string_view), (override));
  MOCK_METHOD(void, WriteInteger, (std::string_view, std::int32_t), (override));
  MOCK_METHOD(bool, DeleteValue, (std::string_view), (override));
};

class MockAutostartEntry : public AutostartEntry {
 public:
  MOCK_METHOD(bool, Exists, (), (const, override));
  MOCK_METHOD(void, Create, (const std::string&), (override));
  MOCK_METHOD(void, Remove, (), (override));
};

struct MainWindowHarness {
  explicit MainWindowHarness(SettingsStore* storeOverride = nullptr, AutostartEntry* autostartOverride = nullptr)
      : store(storeOverride != nullptr ? *storeOverride : mockStore),
        autostart(autostartOverride != nullptr ? *autostartOverride : mockAutostart),
        main(mainControls.Controls(),
             TFormRinglook::Services{app, loop.ClockRef(), socket, store, autostart,
                                     [] { return std::string("/home/user"); }, "/opt/ringlook/bin/ringlook"}),
        setup(setupControls.Controls(), main),
        edit(editControls.Controls()),
        sentMSG(sentMSGControls.Controls(), main),
        msg(msgControls.Controls(), main) {
    main.AttachSetup(setup);
    main.AttachEdit(edit);
    main.AttachMessaging(sentMSG, msg);
    app.SetTitle("Ringlook");
  }

  // Connects to a dotted address and lets the server accept.
  void Connect(const std::string& address = "192.168.1.10") {
    socket.SetAddress(address);
    socket.SetActive(true);
    socket.AcceptConnection();
  }
  [[nodiscard]] std::string Panel(int i) const { return mainControls.StatusBar1.PanelText(i); }
  [[nodiscard]] ui::Bevel Bevel0() const { return mainControls.StatusBar1.PanelBevel(0); }

  ui::ManualEventLoop loop;
  ui::MemoryApplication app{loop};
  net::MemoryClientSocket socket{loop};
  ::testing::NiceMock<MockSettingsStore> mockStore;
  ::testing::NiceMock<MockAutostartEntry> mockAutostart;
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

}  // namespace ringlook::testing
