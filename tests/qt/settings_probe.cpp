// Saves the settings again and again, so that tests can kill it in the middle of
// a save. Usage: ringlook_settings_probe <folder>. Each round writes the six
// values in the order the program saves them, all holding the round's number,
// counting on from the highest number stored. It prints "saving" when the first
// round starts and runs until it is killed, or its parent ends.
#include <sys/prctl.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

#include "common/Text.h"
#include "ui/qt/QtSettingsStore.h"

namespace {

constexpr const char* kKey = "\\Software\\Ringlook";
constexpr const char* kStringNames[] = {"ServerIp", "Server2", "NickName", "x", "y"};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  ringlook::qt::QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
  store.OpenKey(kKey);
  int round = store.ReadInteger("Popup");
  for (const char* name : kStringNames) {
    int stored = 0;
    if (ringlook::ParseInt(store.ReadString(name), stored)) round = std::max(round, stored);
  }
  store.CloseKey();
  std::puts("saving");
  std::fflush(stdout);
  for (;;) {
    const std::string text = std::to_string(++round);
    store.OpenKey(kKey);
    for (const char* name : kStringNames) store.WriteString(name, text);
    store.WriteInteger("Popup", round);
    store.CloseKey();
  }
}
