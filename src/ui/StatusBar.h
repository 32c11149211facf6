// The status bar: panels counted from 0, each with a text and a bevel.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ringlook::ui {

enum class Bevel { Lowered, Raised };

class StatusBar {
 public:
  virtual ~StatusBar() = default;
  [[nodiscard]] virtual std::string PanelText(int panel) const = 0;
  virtual void SetPanelText(int panel, std::string_view text) = 0;
  [[nodiscard]] virtual Bevel PanelBevel(int panel) const = 0;
  virtual void SetPanelBevel(int panel, Bevel bevel) = 0;

  std::function<void()> OnClick;
};

}  // namespace ringlook::ui
