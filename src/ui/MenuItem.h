// One item of a context menu; a disabled one shows but cannot be chosen.
#pragma once

#include <functional>

namespace ringlook::ui {

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  std::function<void()> OnClick;
};

}  // namespace ringlook::ui
