// Container windows: see Win32Panel.h.
#include "win32/Win32Panel.h"

#include "win32/Win32Child.h"

namespace ringlook::win32 {

Win32Panel::Win32Panel(HWND parent, const char* name, RECT bounds, int bevel) : bevel_(bevel) {
  CreateHandle(WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, "", bounds, parent);
  SetName(Handle(), name);
  SendMessageA(Handle(), WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
}

bool Win32Panel::Enabled() const { return OwnEnabled(Handle()); }

void Win32Panel::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

bool Win32Panel::Visible() const { return OwnVisible(Handle()); }

void Win32Panel::SetVisible(bool visible) {
  if (visible == Visible()) return;
  ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
  if (OnLayout) OnLayout();
}

void Win32Panel::SetFocus() { ::SetFocus(Handle()); }

bool Win32Panel::Focused() const { return GetFocus() == Handle(); }

RECT Win32Panel::Inside() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  InflateRect(&client, -bevel_, -bevel_);
  return client;
}

LRESULT Win32Panel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (OnLayout) OnLayout();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(Handle(), &paint);
      RECT edge{};
      GetClientRect(Handle(), &edge);
      // A lowered bevel: shadow above and left, light below and right.
      for (int i = 0; i < bevel_; ++i) {
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&edge, -1, -1);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    default:
      return Win32Window::WindowProc(message, wParam, lParam);
  }
}

}  // namespace ringlook::win32
