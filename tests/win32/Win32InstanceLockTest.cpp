// The single-instance guard with two real processes: the probe program takes
// the named mutex and publishes its window; this test is the second start.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "win32/Win32InstanceLock.h"

namespace ringlook::win32 {
namespace {

using testing::ChildProcess;
using Outcome = InstanceLock::Outcome;

class Win32InstanceLockTest : public ::testing::Test {
 protected:
  ~Win32InstanceLockTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

  // The first copy: the probe, its window minimised.
  HWND StartFirst(ChildProcess& probe) {
    const std::string line = probe.ReadLine();
    EXPECT_EQ(line.rfind("First ", 0), 0u) << line;
    return line.size() > 6 ? reinterpret_cast<HWND>(static_cast<std::intptr_t>(std::stoll(line.substr(6)))) : nullptr;
  }
  [[nodiscard]] std::string HandOverValue() const {
    char text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, key_.c_str(), kHandOverValue, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
      return "(none)";
    }
    return text;
  }
  void SetHandOverValue(const std::string& text) const {
    RegSetKeyValueA(HKEY_CURRENT_USER, key_.c_str(), kHandOverValue, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
  }
  [[nodiscard]] std::string ProbeArguments() const { return "\"" + mutex_ + "\" \"" + key_ + "\""; }

  const std::string mutex_ = "Ringlook test " + std::to_string(GetCurrentProcessId());
  const std::string key_ = "Software\\RinglookTests\\PMutex" + std::to_string(GetCurrentProcessId());
};

TEST_F(Win32InstanceLockTest, ASecondStartBringsForwardOnlyAWindowTheValueNamesAndAnOrderlyEndRemovesTheValue) {
  ChildProcess probe("ringlook_instance_probe.exe", ProbeArguments());
  const HWND first = StartFirst(probe);
  ASSERT_NE(first, nullptr);
  const std::string published = std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(first)));
  EXPECT_EQ(HandOverValue(), published);
  EXPECT_NE(IsIconic(first), FALSE);

  Win32InstanceLock second(mutex_, key_);
  ASSERT_EQ(second.Acquire(), Outcome::Another);
  // A value that names no window is no answer, and brings nothing forward.
  for (const char* text : {"", "abc", "12x", "99999999"}) {
    SCOPED_TRACE(text);
    SetHandOverValue(text);
    EXPECT_FALSE(second.AskFirstToShow());
  }
  RegDeleteKeyValueA(HKEY_CURRENT_USER, key_.c_str(), kHandOverValue);
  EXPECT_FALSE(second.AskFirstToShow());
  EXPECT_NE(IsIconic(first), FALSE);

  SetHandOverValue(published);
  EXPECT_FALSE(StartsAsFirst(second));
  EXPECT_EQ(IsIconic(first), FALSE);  // restored by the hand-over

  PostMessageA(first, WM_CLOSE, 0, 0);
  ASSERT_TRUE(probe.WaitForExit());
  EXPECT_EQ(HandOverValue(), "(none)");
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);  // the key stays
  RegCloseKey(key);
  EXPECT_EQ(second.Acquire(), Outcome::First);
}

TEST_F(Win32InstanceLockTest, AKilledCopyLeavesAStaleValueThatTheNextFirstReplaces) {
  {
    ChildProcess probe("ringlook_instance_probe.exe", ProbeArguments());
    ASSERT_NE(StartFirst(probe), nullptr);
    probe.Kill();
  }
  EXPECT_NE(HandOverValue(), "(none)");

  Win32InstanceLock lock(mutex_, key_);
  ASSERT_EQ(lock.Acquire(), Outcome::First);
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  lock.SetHandOverWindow(window);
  lock.ListenForOthers({});
  EXPECT_EQ(HandOverValue(), std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window))));
  ChildProcess later("ringlook_instance_probe.exe", ProbeArguments());
  EXPECT_EQ(later.ReadLine(), "Another");
  lock.Release();
  DestroyWindow(window);
  EXPECT_EQ(HandOverValue(), "(none)");
}

}  // namespace
}  // namespace ringlook::win32
