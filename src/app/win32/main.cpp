// Program entry on Windows: one copy per user log-on (a second start brings
// the first forward and ends); the first builds the whole program
// (Win32Program) and runs the message loop.
#include "win32/Win32Api.h"

#include <commctrl.h>
#include <objbase.h>

#include "win32/Win32EventPump.h"
#include "win32/Win32InstanceLock.h"
#include "win32/Win32Program.h"

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
            Win32Program program(lock);
            program.Start();
            RunUntil([] { return false; });
            return 0;
          },
          1);
    }
  }
  CoUninitialize();
  return 0;
}
