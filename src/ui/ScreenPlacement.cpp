// The rule that keeps a window on a screen: see ScreenPlacement.h.
#include "ui/ScreenPlacement.h"

#include <algorithm>

namespace ringlook::ui {

namespace {

constexpr int kVisibleTitleWidth = 100;
constexpr int kFallbackLeft = 155;
constexpr int kFallbackTop = 125;

bool TitleBarOn(const Rect& window, int titleBarHeight, const Rect& area) {
  // A frame the desktop has not reported yet still has its top edge to grab.
  const int barHeight = std::max(titleBarHeight, 1);
  const int shown = std::min(window.left + window.width, area.left + area.width) - std::max(window.left, area.left);
  return shown >= std::min(kVisibleTitleWidth, window.width) && window.top >= area.top &&
         window.top + barHeight <= area.top + area.height;
}

}  // namespace

Position OnScreen(const Rect& window, int titleBarHeight, const std::vector<Rect>& screens) {
  const bool stands = screens.empty() || std::any_of(screens.begin(), screens.end(), [&](const Rect& area) {
                        return TitleBarOn(window, titleBarHeight, area);
                      });
  if (stands) return {window.left, window.top};
  const Rect& primary = screens.front();
  const int left = std::min(primary.left + kFallbackLeft, primary.left + primary.width - window.width);
  const int top = std::min(primary.top + kFallbackTop, primary.top + primary.height - window.height);
  return {std::max(left, primary.left), std::max(top, primary.top)};
}

}  // namespace ringlook::ui
