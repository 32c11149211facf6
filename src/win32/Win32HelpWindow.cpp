// Help window: see Win32HelpWindow.h.
#include "win32/Win32HelpWindow.h"

#include <richedit.h>

#include "ui/WindowDefinitions.h"
#include "win32/Fonts.h"
#include "win32/ManualText.h"
#include "win32/Win32Child.h"

namespace ringlook::win32 {

namespace {

using namespace ui::definitions::help;

std::string_view ManualHtml() {
  HMODULE program = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(program, "RINGLOOK_HELP", MAKEINTRESOURCEA(10));
  HGLOBAL loaded = resource != nullptr ? LoadResource(program, resource) : nullptr;
  if (loaded == nullptr) return {};
  return std::string_view(static_cast<const char*>(LockResource(loaded)), SizeofResource(program, resource));
}

}  // namespace

Win32HelpWindow::Win32HelpWindow() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  CreateHandle(0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kCaption, RECT{left, top, left + kWidth, top + kHeight},
               nullptr);
  SetName(Handle(), "HelpWindow");
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(13)), FALSE);
  RECT client{};
  GetClientRect(Handle(), &client);
  view_ = std::make_unique<Win32RichView>(Handle(), "HelpView", client);
  SendMessageA(view_->Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOW)));
  const ManualText manual = ManualFromHtml(ManualHtml());
  view_->SetText(manual.text);
  anchors_ = manual.anchors;
}

Win32HelpWindow::~Win32HelpWindow() { view_.reset(); }

void Win32HelpWindow::ShowContext(int context) {
  ShowAnchor(context == kMainWindowContext ? kMainWindowAnchor : kContentsAnchor);
}

void Win32HelpWindow::ShowTopic(std::string_view /*topic*/) { ShowAnchor(kContentsAnchor); }

void Win32HelpWindow::ShowAnchor(const std::string& anchor) {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  const auto found = anchors_.find(anchor);
  const long position = found == anchors_.end() ? 0 : found->second;
  const HWND view = view_->Handle();
  // The caret goes there too, so that the focus does not scroll the view back.
  SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(position), position);
  SendMessageA(view, WM_VSCROLL, SB_TOP, 0);
  SendMessageA(view, EM_LINESCROLL, 0, SendMessageA(view, EM_EXLINEFROMCHAR, 0, position));
}

LRESULT Win32HelpWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (view_) MoveWindow(view_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_CLOSE:
      // Hidden, not destroyed: the next F1 opens it again.
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      return Win32Window::WindowProc(message, wParam, lParam);
  }
}

}  // namespace ringlook::win32
