// A check box. OnClick runs whenever the state changes, also when the program changes it.
#pragma once

#include <functional>

#include "ui/Control.h"

namespace ringlook::ui {

class CheckBox : public Control {
 public:
  [[nodiscard]] virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;

  std::function<void()> OnClick;
};

}  // namespace ringlook::ui
