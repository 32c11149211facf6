// Program entry on Windows: one copy per user log-on (a second start brings
// the first forward and ends); the first creates the application window and
// the five windows in their order, wires the window logic to the Win32 layer
// and runs the message loop.
#include "ui/win32/Win32Api.h"

#include <commctrl.h>
#include <objbase.h>

#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "records/TFormEdit.h"
#include "settings/TFormSetup.h"
#include "ui/win32/ShellLinkEntry.h"
#include "ui/win32/Win32Application.h"
#include "ui/win32/Win32ClientSocket.h"
#include "ui/win32/Win32Clock.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32InstanceLock.h"
#include "ui/win32/Win32SettingsStore.h"
#include "ui/win32/Win32Timer.h"
#include "ui/win32/Win32Windows.h"

namespace {

std::string WorkingFolder() {
  char folder[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
  return std::string(folder, length < MAX_PATH ? length : 0);
}

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
  application.AttachMainForm(windows.MainForm());
  Win32ClientSocket socket;
  Win32SettingsStore store;
  ShellLinkEntry autostart(StartupFolder());

  Win32Timer settleTimer(net::kSettleMs, false);

  TFormRinglook formRinglook(
      windows.FormRinglook(),
      TFormRinglook::Services{application, clock, socket, store, autostart, settleTimer, &WorkingFolder, ProgramPath(),
                              [](std::string_view line) { OutputDebugStringA((std::string(line) + "\n").c_str()); }});
  TFormSetup formSetup(windows.FormSetup(), formRinglook);
  TFormEdit formEdit(windows.FormEdit());
  TFormSentMSG formSentMSG(windows.FormSentMSG(), formRinglook);
  TFormMSG formMSG(windows.FormMSG(), formRinglook);
  formRinglook.AttachSetup(formSetup);
  formRinglook.AttachEdit(formEdit);
  formRinglook.AttachMessaging(formSentMSG, formMSG);

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
