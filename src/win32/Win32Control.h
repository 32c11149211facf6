// The part every Win32 control shares: a native child window that is also the
// control interface the logic holds.
#pragma once

#include "win32/Win32Child.h"

namespace ringlook::win32 {

template <typename Interface>
class Win32Control : public Win32Child, public Interface {
 public:
  [[nodiscard]] bool Enabled() const override { return OwnEnabled(Handle()); }
  void SetEnabled(bool enabled) override { EnableWindow(Handle(), enabled ? TRUE : FALSE); }
  [[nodiscard]] bool Visible() const override { return OwnVisible(Handle()); }
  void SetVisible(bool visible) override { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }
  void SetFocus() override { ::SetFocus(Handle()); }
  [[nodiscard]] bool Focused() const override { return GetFocus() == Handle(); }

 protected:
  using Win32Child::Win32Child;
};

}  // namespace ringlook::win32
