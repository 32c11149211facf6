// A top-level window: the main window or one of the four dialogs, owned by the
// application window (which carries the task-bar entry). Left, Top, Width and
// Height are the outer frame, as the layouts were designed. OnActivate runs on
// every activation; OnShow each time the program shows the window (not when
// it comes back with the application). Every way of closing asks OnCloseQuery
// first; the close box closes a dialog with Cancel. ShowModal disables the
// program's other windows and runs the message loop until the window closes.
//
// Keys typed anywhere in the window reach OnKeyDown before the control with
// the focus (key preview); a key set to 0 goes no further.
#pragma once

#include <functional>

#include "ui/Form.h"
#include "win32/Win32PopupMenu.h"
#include "win32/Win32Window.h"

namespace ringlook::win32 {

class Win32Form : public Win32Window, public ui::Form {
 public:
  // clientWidth and clientHeight: the area inside the frame; the window is
  // placed at left, top, or centred on the screen when left is CW_USEDEFAULT.
  Win32Form(HWND owner, const char* name, const char* caption, DWORD style, DWORD exStyle, int clientWidth,
            int clientHeight, int left = CW_USEDEFAULT, int top = 0);

  static Win32Form* Of(HWND window);

  [[nodiscard]] std::string Caption() const override { return WindowText(Handle()); }
  void SetCaption(std::string_view caption) override { SetWindowText(Handle(), caption); }
  [[nodiscard]] bool Visible() const override;
  void Show() override;
  ui::ModalResult ShowModal() override;
  void Close(ui::ModalResult result) override;
  [[nodiscard]] int Left() const override { return Frame().left; }
  [[nodiscard]] int Top() const override { return Frame().top; }
  void SetLeft(int left) override;
  void SetTop(int top) override;
  [[nodiscard]] int Width() const override { return Frame().right - Frame().left; }
  [[nodiscard]] int Height() const override { return Frame().bottom - Frame().top; }
  [[nodiscard]] int TitleBarHeight() const override;
  void FreezeWidthAndMinimumHeight() override;
  void Activate() override;
  void SetStaysOnTop(bool onTop) override;
  [[nodiscard]] bool StaysOnTop() const;

  // Taken off the screen and back with the application window when it is
  // minimised and restored; Visible() stays as the program left it.
  void HideWithApplication();
  void ShowWithApplication();
  // The context menu of a right click anywhere in the window, or only over one control.
  void SetContextMenu(const Win32PopupMenu* menu, HWND over = nullptr);

  // The client area changed size: the layout places the controls again.
  std::function<void()> OnLayout;
  // The context menu is about to open at a point on the screen, by the mouse
  // or (the menu key, Shift+F10) the keyboard; it may move the point.
  std::function<void(POINT& at, bool byKeyboard)> OnContextMenu;
  // The minimise button: the main window minimises the application instead of itself.
  std::function<void()> OnMinimize;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  [[nodiscard]] RECT Frame() const;
  [[nodiscard]] bool MayClose() const { return !OnCloseQuery || OnCloseQuery(); }
  void Activated(WPARAM state);

  bool visible_ = false;
  bool hiddenWithApplication_ = false;
  bool modal_ = false;
  bool closed_ = false;
  ui::ModalResult result_ = ui::ModalResult::None;
  HWND lastFocus_ = nullptr;
  const Win32PopupMenu* contextMenu_ = nullptr;
  HWND contextMenuOver_ = nullptr;
  SIZE frozen_{0, 0};
};

}  // namespace ringlook::win32
