// A child control on a native window class (EDIT, LISTBOX, BUTTON, ...). It
// carries its documented name (ListBox1, Edit2...) as a window property, so
// tests and tools find it, and gets back its own notifications from the
// window it sits in (see Win32Window).
#pragma once

#include <string>

#include "win32/Win32Api.h"

namespace ringlook::win32 {

class Win32Child {
 public:
  virtual ~Win32Child();
  Win32Child(const Win32Child&) = delete;
  Win32Child& operator=(const Win32Child&) = delete;

  [[nodiscard]] HWND Handle() const { return window_; }
  static Win32Child* Of(HWND window);

  // A WM_COMMAND notification code from this control.
  virtual void Command(int /*code*/) {}
  // A WM_NOTIFY from this control; true when handled, with the result.
  virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // The brush for WM_CTLCOLOR*; null for the default colours.
  virtual HBRUSH Colours(HDC /*dc*/) { return nullptr; }

 protected:
  Win32Child(HWND parent, const char* className, const char* name, DWORD style, DWORD exStyle, RECT bounds,
             const char* text = "");
  // Routes the control's own messages through Subclassed first.
  void Subclass();
  // A message to the control itself; true when handled, with the result.
  virtual bool Subclassed(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
  // The control's own handling of a message, from inside Subclassed.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self);

  HWND window_ = nullptr;
};

// Names and finds windows by their documented names.
void SetName(HWND window, const char* name);
[[nodiscard]] std::string NameOf(HWND window);
// The first window named name inside root (root itself included); null when none.
[[nodiscard]] HWND FindByName(HWND root, const char* name);

// The flags of a control itself, as the logic set them: a control inside a
// hidden or disabled window still reports itself visible or enabled.
[[nodiscard]] bool OwnEnabled(HWND window);
[[nodiscard]] bool OwnVisible(HWND window);
// Its place inside its parent's client area.
[[nodiscard]] RECT BoundsInParent(HWND window);

}  // namespace ringlook::win32
