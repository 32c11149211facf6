// Buttons: see Win32Button.h.
#include "win32/Win32Button.h"

namespace ringlook::win32 {

Win32Button::Win32Button(HWND parent, const char* name, const char* caption, RECT bounds)
    : Win32Control(parent, "BUTTON", name, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, bounds, caption) {}

void Win32Button::SetLeft(int left) {
  const RECT bounds = BoundsInParent(Handle());
  SetWindowPos(Handle(), nullptr, left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Button::Width() const {
  const RECT bounds = BoundsInParent(Handle());
  return bounds.right - bounds.left;
}

void Win32Button::Command(int code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

Win32CheckBox::Win32CheckBox(HWND parent, const char* name, const char* caption, RECT bounds)
    : Win32Control(parent, "BUTTON", name, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, bounds, caption) {}

bool Win32CheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick();
}

void Win32CheckBox::Command(int code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace ringlook::win32
