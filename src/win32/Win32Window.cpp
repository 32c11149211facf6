// Windows of the program's own class: see Win32Window.h.
#include "win32/Win32Window.h"

#include "win32/Win32Child.h"

namespace ringlook::win32 {

namespace {
constexpr char kClassName[] = "RinglookWindow";

void Register() {
  static const ATOM registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass);
  }();
  (void)registered;
}
}  // namespace

Win32Window::~Win32Window() {
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Win32Window::CreateHandle(DWORD exStyle, DWORD style, const char* text, RECT bounds, HWND parent) {
  Register();
  window_ = CreateWindowExA(exStyle, kClassName, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                            bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Window::Procedure));
}

LRESULT Win32Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Windows of our own class keep a font, which the controls made inside them take.
  if (message == WM_SETFONT) {
    font_ = reinterpret_cast<HFONT>(wParam);
    return 0;
  }
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return Guarded([&] { return self->WindowProc(message, wParam, lParam); }, LRESULT{0});
}

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Win32Child* child = Win32Child::Of(reinterpret_cast<HWND>(lParam))) {
        child->Command(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Win32Child* child = Win32Child::Of(header->hwndFrom);
      return child != nullptr && child->Notify(*header, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (Win32Child* child = Win32Child::Of(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = child->Colours(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

}  // namespace ringlook::win32
