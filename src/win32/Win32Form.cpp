// Top-level windows: see Win32Form.h.
#include "win32/Win32Form.h"

#include <utility>
#include <vector>

#include "win32/Win32Child.h"
#include "win32/Win32EventPump.h"

namespace ringlook::win32 {

namespace {

constexpr char kFormProperty[] = "Ringlook.Form";

bool PreviewKey(HWND root, int key, bool alt) {
  Win32Form* form = Win32Form::Of(root);
  if (form == nullptr || !form->OnKeyDown) return false;
  int previewed = key;
  form->OnKeyDown(previewed, ui::ShiftState{GetKeyState(VK_SHIFT) < 0, alt, GetKeyState(VK_CONTROL) < 0});
  return previewed == 0;
}

RECT Placed(int left, int top, SIZE outer) {
  if (left == CW_USEDEFAULT) {
    left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  }
  return RECT{left, top, left + outer.cx, top + outer.cy};
}

}  // namespace

Win32Form::Win32Form(HWND owner, const char* name, const char* caption, DWORD style, DWORD exStyle, int clientWidth,
                     int clientHeight, int left, int top) {
  static const bool previewSet = [] {
    SetKeyPreview(&PreviewKey);
    return true;
  }();
  (void)previewSet;
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  CreateHandle(exStyle | WS_EX_CONTROLPARENT, style | WS_CLIPCHILDREN, caption,
               Placed(left, top, SIZE{outer.right - outer.left, outer.bottom - outer.top}), owner);
  SetPropA(Handle(), kFormProperty, this);
  SetName(Handle(), name);
}

Win32Form* Win32Form::Of(HWND window) {
  return window != nullptr ? static_cast<Win32Form*>(GetPropA(window, kFormProperty)) : nullptr;
}

RECT Win32Form::Frame() const {
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  return frame;
}

int Win32Form::TitleBarHeight() const {
  POINT client{0, 0};
  ClientToScreen(Handle(), &client);
  return client.y - Frame().top;
}

bool Win32Form::Visible() const { return visible_; }

void Win32Form::HideWithApplication() {
  if (!visible_ || hiddenWithApplication_) return;
  hiddenWithApplication_ = true;
  ShowWindow(Handle(), SW_HIDE);
}

void Win32Form::ShowWithApplication() {
  if (!hiddenWithApplication_) return;
  ShowWindow(Handle(), SW_SHOWNA);
  hiddenWithApplication_ = false;
}

void Win32Form::Show() {
  hiddenWithApplication_ = false;
  ShowWindow(Handle(), SW_SHOW);
  SetActiveWindow(Handle());
}

ui::ModalResult Win32Form::ShowModal() {
  const HWND previous = GetActiveWindow();
  struct Disabling {
    HWND self;
    std::vector<HWND> windows;
  } disabling{Handle(), {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* d = reinterpret_cast<Disabling*>(data);
        if (window != d->self && IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE) {
          EnableWindow(window, FALSE);
          d->windows.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabling));
  const bool wasModal = std::exchange(modal_, true);
  closed_ = false;
  result_ = ui::ModalResult::None;
  Show();
  RunUntil([this] { return closed_; });
  modal_ = wasModal;
  // Enabled before this one hides, so that the activation goes back to them.
  for (HWND window : disabling.windows) EnableWindow(window, TRUE);
  if (Visible()) ShowWindow(Handle(), SW_HIDE);
  if (previous != nullptr && IsWindow(previous) != FALSE && IsWindowVisible(previous) != FALSE) {
    SetActiveWindow(previous);
  }
  return result_;
}

void Win32Form::Close(ui::ModalResult result) {
  if (!MayClose()) return;
  result_ = result;
  closed_ = true;
  hiddenWithApplication_ = false;
  ShowWindow(Handle(), SW_HIDE);
}

void Win32Form::SetLeft(int left) {
  SetWindowPos(Handle(), nullptr, left, Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetTop(int top) {
  SetWindowPos(Handle(), nullptr, Left(), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::FreezeWidthAndMinimumHeight() { frozen_ = SIZE{Width(), Height()}; }

void Win32Form::Activate() {
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
  SetActiveWindow(Handle());
}

void Win32Form::SetStaysOnTop(bool onTop) {
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Form::StaysOnTop() const { return (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void Win32Form::SetContextMenu(const Win32PopupMenu* menu, HWND over) {
  contextMenu_ = menu;
  contextMenuOver_ = over;
}

void Win32Form::Activated(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(Handle(), focus) != FALSE) lastFocus_ = focus;
    return;
  }
  if (HIWORD(state) == 0) {
    // The control that had the focus gets it back; the first time, the first in tab order.
    const bool valid = lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE && IsWindowVisible(lastFocus_) != FALSE &&
                       IsWindowEnabled(lastFocus_) != FALSE;
    const HWND focus = valid ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    SetFocus(focus != nullptr ? focus : Handle());
  }
  if (OnActivate) OnActivate();
}

LRESULT Win32Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      Activated(wParam);
      return 0;
    case WM_SHOWWINDOW:
      // lParam 0: shown or hidden by a call, not with the windows it belongs to.
      if (lParam == 0 && !hiddenWithApplication_) {
        visible_ = wParam != FALSE;
        if (visible_ && OnShow) OnShow();
      }
      break;
    case WM_CLOSE:
      Close(modal_ ? ui::ModalResult::Cancel : ui::ModalResult::None);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && OnMinimize) {
        OnMinimize();
        return 0;
      }
      break;
    case WM_GETMINMAXINFO:
      if (frozen_.cx > 0) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = POINT{frozen_.cx, frozen_.cy};
        limits->ptMaxTrackSize.x = frozen_.cx;
        return 0;
      }
      break;
    case WM_SIZE:
      if (OnLayout) OnLayout();
      return 0;
    case WM_CONTEXTMENU: {
      const auto over = reinterpret_cast<HWND>(wParam);
      if (contextMenu_ == nullptr || (contextMenuOver_ != nullptr && over != contextMenuOver_)) return 0;
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const bool byKeyboard = lParam == -1;
      if (byKeyboard) at = POINT{Left() + 8, Top() + 8};  // the window's top left corner, unless told better
      if (OnContextMenu) OnContextMenu(at, byKeyboard);
      contextMenu_->Popup(Handle(), at);
      return 0;
    }
    case WM_COMMAND:
      // Enter and Escape arrive as IDOK and IDCANCEL: no button is the default
      // or the cancel button, so they do nothing.
      if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) return 0;
      break;
    default:
      break;
  }
  return Win32Window::WindowProc(message, wParam, lParam);
}

}  // namespace ringlook::win32
