// A second program for the single-instance tests. Started with a mutex name and
// a hand-over key, it takes the lock: as the first copy it publishes a
// minimised window, prints "First <handle>" and runs until that window is
// closed; otherwise it prints "Another".
#include <cstdio>

#include "win32/Win32InstanceLock.h"

int main(int argc, char* argv[]) {
  using namespace ringlook::win32;
  if (argc != 3) return 2;
  Win32InstanceLock lock(argv[1], argv[2]);
  if (lock.Acquire() != ringlook::InstanceLock::Outcome::First) {
    std::printf("Another\n");
    return 0;
  }
  HWND window = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWMINNOACTIVE);
  lock.SetHandOverWindow(window);
  lock.ListenForOthers({});
  std::printf("First %lld\n", static_cast<long long>(reinterpret_cast<std::intptr_t>(window)));
  std::fflush(stdout);
  MSG message{};
  while (IsWindow(window) != FALSE && GetMessageA(&message, nullptr, 0, 0) > 0) {
    // A static control has no close of its own: the test's close request ends the copy.
    if (message.hwnd == window && message.message == WM_CLOSE) break;
    DispatchMessageA(&message);
  }
  DestroyWindow(window);
  lock.Release();
  return 0;
}
