// A push button.
#pragma once

#include <functional>

#include "ui/Control.h"

namespace ringlook::ui {

class Button : public Control {
 public:
  [[nodiscard]] virtual int Left() const = 0;
  virtual void SetLeft(int left) = 0;
  [[nodiscard]] virtual int Width() const = 0;

  std::function<void()> OnClick;
};

}  // namespace ringlook::ui
