// One running copy per user log-on: the named mutex "Test Previous Instances
// Ringlook", and the hand-over value "ApplHandle" under the per-user key
// "Software\Veldmark\PMutex" that holds the first copy's application window.
//
// A second start brings that window forward itself (ShowPrvInstance): Windows
// lets only the process the user just started take the foreground, so the
// first copy is not asked to do it and has nothing to listen for.
#pragma once

#include <string>

#include "ports/InstanceLock.h"
#include "win32/Win32Api.h"

namespace ringlook::win32 {

inline constexpr char kMutexName[] = "Test Previous Instances Ringlook";
inline constexpr char kHandOverKey[] = "Software\\Veldmark\\PMutex";
inline constexpr char kHandOverValue[] = "ApplHandle";

class Win32InstanceLock : public InstanceLock {
 public:
  explicit Win32InstanceLock(std::string mutexName = kMutexName, std::string handOverKey = kHandOverKey);
  ~Win32InstanceLock() override { Release(); }
  Win32InstanceLock(const Win32InstanceLock&) = delete;
  Win32InstanceLock& operator=(const Win32InstanceLock&) = delete;

  Outcome Acquire() override;
  // The window a later start brings forward: the application window.
  void SetHandOverWindow(HWND window) { window_ = window; }
  // Publishes the hand-over value; Error("Failed to set data for 'ApplHandle'")
  // when it cannot be written. showPrevious is not needed (see above).
  void ListenForOthers(std::function<void()> showPrevious) override;
  // Brings the published window forward; false when the value is missing, not
  // a number, or names no window.
  bool AskFirstToShow() override;
  // Closes the mutex, then deletes the hand-over value this copy published.
  void Release() override;

 private:
  std::string mutexName_;
  std::string handOverKey_;
  HANDLE mutex_ = nullptr;
  HWND window_ = nullptr;
  bool published_ = false;
};

// Brings window forward, or the dialog most recently active in it; a minimised
// window is restored (and, when it is the window itself, left at that).
void ShowPrvInstance(HWND window);

}  // namespace ringlook::win32
