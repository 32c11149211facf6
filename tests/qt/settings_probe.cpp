// Saves the settings round after round and is killed at a chosen write, so that
// tests can stop a save at an exact point. Usage:
//   ringlook_settings_probe <folder> <write> <bytes>
// Each round writes the six values in the order the program saves them, all
// holding the round's number, counting on from the highest number stored. The
// write-th write to a file (from 1) gets only its first <bytes> bytes, then the
// probe kills itself. It ends with 1 if its saves made fewer writes than that.
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>

#include "common/Text.h"
#include "qt/QtSettingsStore.h"
#include "settings/SettingsValues.h"

namespace {

constexpr std::string_view kKey = ringlook::settings::kSettingsKey;
constexpr const char* kStringNames[] = {"ServerIp", "Server2", "NickName", "x", "y"};

long writes = 0;
long killAtWrite = 0;
std::size_t bytesBeforeKill = 0;

}  // namespace

// Takes the place of the C library's write for the whole process, the store's
// saves included.
extern "C" ssize_t write(int fd, const void* buffer, std::size_t count) {
  if (++writes == killAtWrite) {
    syscall(SYS_write, fd, buffer, std::min(count, bytesBeforeKill));
    std::raise(SIGKILL);
  }
  return syscall(SYS_write, fd, buffer, count);
}

int main(int argc, char* argv[]) {
  if (argc != 4) return 2;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  killAtWrite = std::atol(argv[2]);
  bytesBeforeKill = static_cast<std::size_t>(std::atol(argv[3]));
  ringlook::qt::QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
  store.OpenKey(kKey);
  int round = store.ReadInteger("Popup");
  for (const char* name : kStringNames) {
    int stored = 0;
    if (ringlook::ParseInt(store.ReadString(name), stored)) round = std::max(round, stored);
  }
  store.CloseKey();
  // Every save writes at least once, so the kill comes within this many saves.
  for (long saves = 0; saves < killAtWrite; saves += 6) {
    const std::string text = std::to_string(++round);
    store.OpenKey(kKey);
    for (const char* name : kStringNames) store.WriteString(name, text);
    store.WriteInteger("Popup", round);
    store.CloseKey();
  }
  return 1;
}
