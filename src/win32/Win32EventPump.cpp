// The message loop: see Win32EventPump.h.
#include "win32/Win32EventPump.h"

namespace ringlook::win32 {

namespace {

bool quitRequested = false;

KeyPreview& Preview() {
  static KeyPreview preview;
  return preview;
}

bool Previewed(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (!Preview()) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  const bool alt = message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0;
  return Guarded([&] { return Preview()(root, static_cast<int>(message.wParam), alt); }, true);
}

}  // namespace

void SetKeyPreview(KeyPreview preview) { Preview() = std::move(preview); }

void HandleMessage(MSG& message) {
  if (Previewed(message)) return;
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  // Tab and the arrow keys between the controls of any window that has them.
  if (root != nullptr && (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
      IsDialogMessageA(root, &message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void HandlePending() {
  MSG message{};
  // Also after a quit request: a pause that goes on must not find messages
  // waiting, or its wait would return at once, again and again.
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitRequested = true;
    } else {
      HandleMessage(message);
    }
  }
}

void ProcessEventsUntil(const Clock& clock, std::uint64_t deadlineTick) {
  HandlePending();
  const std::uint64_t now = clock.TickMs();
  if (now >= deadlineTick) return;
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadlineTick - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  HandlePending();
}

void RunUntil(const std::function<bool()>& done) {
  while (!quitRequested && !done()) {
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      quitRequested = true;
      return;
    }
    HandleMessage(message);
  }
}

void RequestQuit() { PostQuitMessage(0); }

}  // namespace ringlook::win32
