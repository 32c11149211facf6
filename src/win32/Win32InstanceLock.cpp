// Single instance over a named mutex: see Win32InstanceLock.h.
#include "win32/Win32InstanceLock.h"

#include <cstdint>

#include "common/Error.h"
#include "common/Text.h"
#include "win32/Win32SettingsStore.h"

namespace ringlook::win32 {

Win32InstanceLock::Win32InstanceLock(std::string mutexName, std::string handOverKey)
    : mutexName_(std::move(mutexName)), handOverKey_(std::move(handOverKey)) {}

InstanceLock::Outcome Win32InstanceLock::Acquire() {
  if (mutex_ != nullptr) return Outcome::First;
  HANDLE mutex = CreateMutexA(nullptr, TRUE, mutexName_.c_str());
  const DWORD error = GetLastError();
  if (mutex == nullptr) return Outcome::Failed;
  if (error == ERROR_ALREADY_EXISTS) {
    // Not kept: a later try must not find the mutex alive through this handle.
    CloseHandle(mutex);
    return Outcome::Another;
  }
  mutex_ = mutex;
  return Outcome::First;
}

void Win32InstanceLock::ListenForOthers(std::function<void()> /*showPrevious*/) {
  if (mutex_ == nullptr) return;
  // Window handles carry 32 significant bits; the value is their signed decimal text.
  const auto handle = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window_));
  Win32SettingsStore store;
  store.OpenKey(handOverKey_);
  store.WriteString(kHandOverValue, std::to_string(handle));
  published_ = true;
}

bool Win32InstanceLock::AskFirstToShow() {
  std::string text;
  try {
    Win32SettingsStore store;
    store.OpenKey(handOverKey_);
    text = store.ReadString(kHandOverValue);
  } catch (const Error&) {
    return false;
  }
  int handle = 0;
  if (!ParseInt(text, handle)) return false;
  const auto window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
  if (IsWindow(window) == FALSE) return false;
  ShowPrvInstance(window);
  return true;
}

void Win32InstanceLock::Release() {
  if (mutex_ == nullptr) return;
  CloseHandle(mutex_);
  mutex_ = nullptr;
  if (!published_) return;
  published_ = false;
  // Opened without creating it: a key that is gone needs nothing deleted.
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, handOverKey_.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, kHandOverValue);
    RegCloseKey(key);
  }
}

void ShowPrvInstance(HWND window) {
  BringWindowToTop(window);
  HWND last = GetLastActivePopup(window);
  if (IsIconic(last) != FALSE) {
    ShowWindow(last, SW_RESTORE);
    if (last == window) return;
  }
  SetForegroundWindow(last);
}

}  // namespace ringlook::win32
