// Program entry on Windows: one copy per user log-on (a second start brings
// the first forward and ends); the first creates the application window and
// the five windows in their order, builds the window logic on them
// and runs the message loop.
#include "win32/Win32Api.h"

#include <commctrl.h>
#include <objbase.h>

#include "main/WindowLogic.h"
#include "win32/ShellLinkEntry.h"
#include "win32/Win32Application.h"
#include "win32/Win32ClientSocket.h"
#include "win32/Win32Clock.h"
#include "win32/Win32EventPump.h"
#include "win32/Win32InstanceLock.h"
#include "win32/Win32SettingsStore.h"
#include "win32/Win32Timer.h"
#include "win32/Win32Windows.h"

namespace {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

void RunProgram(ringlook::win32::Win32InstanceLock& lock) {
  using namespace ringlook;
  using namespace ringlook::win32;
  Win32Clock clock;
  Win32Application application(clock);
  application.SetTitle(kApplicationTitle);
  // Published before the windows exist, as a later start looks for it.
  lock.SetHandOverWindow(application.Handle());
  lock.ListenForOthers({});

  Win32Windows windows(application.Handle());
  application.AttachMainForm(windows.MainForm(), &windows.PopupMenu1());
  Win32ClientSocket socket;
  Win32SettingsStore store;
  ShellLinkEntry autostart(StartupFolder());

  Win32Timer settleTimer(net::kSettleMs, false);

  const WindowLogic logic(
      {windows.FormRinglook(), windows.FormSetup(), windows.FormEdit(), windows.FormSentMSG(), windows.FormMSG()},
      {application, clock, socket, store, autostart, settleTimer, ProgramPath(),
       [](std::string_view line) { OutputDebugStringA((std::string(line) + "\n").c_str()); }});

  application.ShowMainForm();
  RunUntil([] { return false; });
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  using namespace ringlook::win32;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  {
    Win32InstanceLock lock;
    if (ringlook::StartsAsFirst(lock)) {
      Guarded(
          [&] {
            RunProgram(lock);
            return 0;
          },
          1);
    }
  }
  CoUninitialize();
  return 0;
}
