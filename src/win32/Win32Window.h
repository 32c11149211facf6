// A window of the program's own class whose messages go to a C++ object: the
// base of the five windows, the application window and the panels. It passes
// its children's notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) back to
// the child controls they came from, so each control handles its own.
#pragma once

#include "win32/Win32Api.h"

namespace ringlook::win32 {

class Win32Window {
 public:
  virtual ~Win32Window();
  Win32Window() = default;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  [[nodiscard]] HWND Handle() const { return window_; }

 protected:
  void CreateHandle(DWORD exStyle, DWORD style, const char* text, RECT bounds, HWND parent);
  // Everything not handled goes to DefWindowProc, after the children's notifications.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
};

// Hands a child's notification to the control it came from; true when it was one.
bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ringlook::win32
