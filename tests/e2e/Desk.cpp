// One user's whole program in the test process: see Desk.h.
#include "Desk.h"

#include "EventLoopWait.h"
#include "ProgramSettings.h"

namespace ringlook::e2e {

namespace {

using testing::WaitUntil;

QString WithSettings(const QString& configFolder, const std::string& nickname) {
  testing::WriteProgramSettings(configFolder, nickname);
  return configFolder;
}

}  // namespace

Desk::Desk(const QString& folder, const std::string& nickname, std::uint16_t port)
    : configFolder(WithSettings(folder, nickname)),
      program({.configFolder = folder, .port = port, .programPath = "/usr/bin/ringlook"}) {}

::testing::AssertionResult Desk::Connect() {
  program.windows.MainForm().show();
  program.logic.formRinglook.FormActivate();
  if (WaitUntil([&] { return Panel(0) == "   Verbonden"; })) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "not connected, the status bar says '" << Panel(0) << "'";
}

::testing::AssertionResult Desk::ConnectWithCalls(int count) {
  ::testing::AssertionResult connected = Connect();
  if (!connected) return connected;
  if (WaitUntil([&] { return List().Count() == count; })) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << List().Count() << " lines in the list instead of " << count;
}

std::string Desk::StoredNickname() const {
  qt::QtSettingsStore store(configFolder + "/Ringlook");
  store.OpenKey(settings::kSettingsKey);
  return store.ReadString("NickName");
}

}  // namespace ringlook::e2e
