// A push button and a check box on BUTTON. The check box's OnClick runs on
// every change of its state, also one the program makes.
#pragma once

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "win32/Win32Control.h"

namespace ringlook::win32 {

class Win32Button : public Win32Control<ui::Button> {
 public:
  Win32Button(HWND parent, const char* name, const char* caption, RECT bounds);

  [[nodiscard]] int Left() const override { return BoundsInParent(Handle()).left; }
  void SetLeft(int left) override;
  [[nodiscard]] int Width() const override;
  void Command(int code) override;
};

class Win32CheckBox : public Win32Control<ui::CheckBox> {
 public:
  Win32CheckBox(HWND parent, const char* name, const char* caption, RECT bounds);

  [[nodiscard]] bool Checked() const override;
  void SetChecked(bool checked) override;
  void Command(int code) override;
};

}  // namespace ringlook::win32
