// One-line and multi-line text fields. A memo's lines are joined by CR LF.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace ringlook::ui {

class Edit : public Control {
 public:
  [[nodiscard]] virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  [[nodiscard]] virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  [[nodiscard]] virtual Colour Background() const = 0;
  virtual void SetBackground(Colour colour) = 0;

  // Every typed character (Enter is 13, Backspace 8) before it reaches the
  // field; the handler sets key to 0 to swallow it.
  std::function<void(char& key)> OnKeyPress;
};

class Memo : public Edit {};

}  // namespace ringlook::ui
