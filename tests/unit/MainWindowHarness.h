// The whole window logic on in-memory controls, a manual clock,
// the in-memory socket and a scripted desktop: the whole window logic runs in a
// test exactly as in the program, minutes in microseconds.
#pragma once

#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "HeadlessProgram.h"

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

// The mocks come first, so they exist before the program takes them.
struct MockServices {
  ::testing::NiceMock<MockSettingsStore> mockStore;
  ::testing::NiceMock<MockAutostartEntry> mockAutostart;
};

// The headless program with a scripted store and autostart entry, unless the
// test hands in others.
struct MainWindowHarness : MockServices, HeadlessProgram {
  explicit MainWindowHarness(SettingsStore* storeOverride = nullptr, AutostartEntry* autostartOverride = nullptr)
      : HeadlessProgram(storeOverride != nullptr ? storeOverride : &mockStore,
                        autostartOverride != nullptr ? autostartOverride : &mockAutostart) {}

  // A text as the socket delivers it: a burst, read after the settle wait.
  void Arrive(const std::string& text) {
    socket.Receive(text);
    loop.RunFor(200);
  }
  [[nodiscard]] std::string Panel(int i) const { return mainControls.StatusBar1.PanelText(i); }
  [[nodiscard]] ui::Bevel Bevel0() const { return mainControls.StatusBar1.PanelBevel(0); }
};

}  // namespace ringlook::testing
