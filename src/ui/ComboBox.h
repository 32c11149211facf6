// A drop-down list to choose from (no typing), kept sorted without regard to case.
#pragma once

#include <string>
#include <string_view>

#include "ui/Control.h"

namespace ringlook::ui {

class ComboBox : public Control {
 public:
  [[nodiscard]] virtual int Count() const = 0;
  [[nodiscard]] virtual std::string Item(int index) const = 0;
  virtual void Add(std::string_view item) = 0;
  virtual void Clear() = 0;
  [[nodiscard]] virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
};

}  // namespace ringlook::ui
