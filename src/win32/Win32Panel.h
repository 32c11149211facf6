// A container window: the search bar, and the bevelled frame of the caller
// list. A bevel paints a sunken border of that many pixels inside its edge.
// OnLayout runs when it changes size or is shown or hidden, so the window it
// sits in can place its neighbours again.
#pragma once

#include <functional>

#include "ui/Panel.h"
#include "win32/Win32Window.h"

namespace ringlook::win32 {

class Win32Panel : public Win32Window, public ui::Panel {
 public:
  Win32Panel(HWND parent, const char* name, RECT bounds, int bevel = 0);

  [[nodiscard]] bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  [[nodiscard]] bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetFocus() override;
  [[nodiscard]] bool Focused() const override;

  // The client area inside the bevel.
  [[nodiscard]] RECT Inside() const;

  std::function<void()> OnLayout;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int bevel_;
};

}  // namespace ringlook::win32
