// A read-only text view that marks web addresses as links and reports clicks on them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace ringlook::ui {

class RichView : public Control {
 public:
  [[nodiscard]] virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  // Appends text at the end; CR LF inside it starts new lines.
  virtual void AppendLines(std::string_view text) = 0;
  [[nodiscard]] virtual int LineCount() const = 0;
  // Scrolls by lines relative to the current position.
  virtual void ScrollLines(int lines) = 0;
  [[nodiscard]] virtual std::string SelectedText() const = 0;
  virtual void ClearSelection() = 0;

  std::function<void(const std::string& url)> OnUrlClick;
};

}  // namespace ringlook::ui
