// The rule that keeps a window where the user can reach it: its title bar on
// one of the screens. A monitor that is gone, a lower resolution or a stored
// position from another desk would otherwise leave it out of sight, and a
// window that cannot be seen cannot be dragged back either.
#pragma once

#include <vector>

namespace ringlook::ui {

// A rectangle in desktop pixels; left and top may be negative (a screen to
// the left of or above the primary one).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Position {
  int left = 0;
  int top = 0;
  friend bool operator==(const Position&, const Position&) = default;
};

// Where a window goes whose outer frame would be window, with a title bar
// titleBarHeight high along its top, among the screens' available areas
// (without the task bar), the primary first. The position stands when at
// least 100 pixels of the title bar's width, and its full height, lie inside
// one area: also when the rest of the window sticks out. Otherwise the window
// goes to 155, 125 from the primary area's top-left corner, moved left and up
// as far as it must to lie wholly inside that area, but never past its
// top-left corner. Without screens (the desktop places windows itself) the
// position stands.
Position OnScreen(const Rect& window, int titleBarHeight, const std::vector<Rect>& screens);

}  // namespace ringlook::ui
