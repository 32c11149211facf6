// The whole program on Win32: see Win32Program.h.
#include "win32/Win32Program.h"

#include <string>

namespace ringlook::win32 {

namespace {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

// The application window, titled and handed to the lock, as the windows' owner.
HWND PublishedApplicationWindow(Win32InstanceLock& lock, Win32Application& application) {
  application.SetTitle(kApplicationTitle);
  lock.SetHandOverWindow(application.Handle());
  lock.ListenForOthers({});
  return application.Handle();
}

}  // namespace

Win32Program::Win32Program(Win32InstanceLock& lock)
    : application(clock),
      windows(PublishedApplicationWindow(lock, application)),
      autostart(StartupFolder()),
      logic({windows.FormRinglook(), windows.FormSetup(), windows.FormEdit(), windows.FormSentMSG(), windows.FormMSG()},
            {application, clock, socket, store, autostart, settleTimer, ProgramPath(),
             [](std::string_view line) { OutputDebugStringA((std::string(line) + "\n").c_str()); }}) {
  application.AttachMainForm(windows.MainForm(), &windows.PopupMenu1());
}

void Win32Program::Start() { application.ShowMainForm(); }

}  // namespace ringlook::win32
