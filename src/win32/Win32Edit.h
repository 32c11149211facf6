// One-line (EDIT) and multi-line text fields. Every typed character goes to
// OnKeyPress first, Enter included; pasted text goes in as typable text
// (TypableText.h); the length limit is the control's own.
#pragma once

#include "ui/Edit.h"
#include "win32/Win32Control.h"

namespace ringlook::win32 {

template <typename Interface>
class Win32TextField : public Win32Control<Interface> {
 public:
  [[nodiscard]] std::string Text() const override { return WindowText(this->Handle()); }
  void SetText(std::string_view text) override { SetWindowText(this->Handle(), text); }
  [[nodiscard]] bool ReadOnly() const override;
  void SetReadOnly(bool readOnly) override;
  [[nodiscard]] ui::Colour Background() const override { return background_; }
  void SetBackground(ui::Colour colour) override;
  HBRUSH Colours(HDC dc) override;

 protected:
  Win32TextField(HWND parent, const char* name, DWORD style, RECT bounds, int maxLength);
  bool Subclassed(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::Colour background_ = ui::Colour::Window;
};

class Win32Edit : public Win32TextField<ui::Edit> {
 public:
  // maxLength 0: no limit.
  Win32Edit(HWND parent, const char* name, RECT bounds, int maxLength = 0);
};

class Win32Memo : public Win32TextField<ui::Memo> {
 public:
  Win32Memo(HWND parent, const char* name, RECT bounds, int maxLength);
};

}  // namespace ringlook::win32
