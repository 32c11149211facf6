// The whole program on Win32: the application window, the five windows, the
// link, the registry settings and the start-up shortcut, with the window logic
// built on them, as Ringlook.exe runs it.
#pragma once

#include "main/WindowLogic.h"
#include "win32/ShellLinkEntry.h"
#include "win32/Win32Application.h"
#include "win32/Win32ClientSocket.h"
#include "win32/Win32Clock.h"
#include "win32/Win32InstanceLock.h"
#include "win32/Win32SettingsStore.h"
#include "win32/Win32Timer.h"
#include "win32/Win32Windows.h"

namespace ringlook::win32 {

class Win32Program {
 public:
  // lock: the copy's instance lock, which learns the application window as soon
  // as it exists, before the windows do, since a later start looks for it.
  explicit Win32Program(Win32InstanceLock& lock);

  // Shows the main window; its first activation reads the settings and connects.
  void Start();

  // In the order they are made; the window logic goes first when the program ends.
  Win32Clock clock;
  Win32Application application;
  Win32Windows windows;
  Win32ClientSocket socket;
  Win32SettingsStore store;
  ShellLinkEntry autostart;
  Win32Timer settleTimer{net::kSettleMs, false};
  WindowLogic logic;
};

}  // namespace ringlook::win32
