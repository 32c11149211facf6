// Message-only window: see MessageWindow.h.
#include "win32/MessageWindow.h"

namespace ringlook::win32 {

namespace {
constexpr char kClassName[] = "RinglookMessageWindow";
}  // namespace

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
  static const ATOM registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &MessageWindow::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass);
  }();
  (void)registered;
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), this);
}

MessageWindow::~MessageWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->handler_ && (message == WM_TIMER || message >= WM_USER)) {
    Guarded(
        [&] {
          self->handler_(message, wParam, lParam);
          return 0;
        },
        0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace ringlook::win32
