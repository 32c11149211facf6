// One item of a context menu.
#pragma once

#include <functional>

namespace ringlook::ui {

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  std::function<void()> OnClick;
};

}  // namespace ringlook::ui
