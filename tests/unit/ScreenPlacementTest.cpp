// Where a window goes among the screens: its title bar on one of them, or back
// to the fallback corner of the primary screen.
#include "ui/ScreenPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace ringlook::ui {
namespace {

TEST(ScreenPlacement, TheTitleBarLandsOnAScreen) {
  constexpr int kTitleBar = 24;
  const Rect laptop{0, 0, 1280, 770};  // 1280x800 with a task bar of 30
  const Rect leftMonitor{-1920, 0, 1920, 1050};
  struct Case {
    const char* what;
    Position stored;
    std::vector<Rect> screens;
    Position placed;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"on the screen", {300, 200}, {laptop}, {300, 200}},
           {"right of it", {3000, 200}, {laptop}, {155, 125}},
           {"below it", {300, 2000}, {laptop}, {155, 125}},
           {"title bar under the task bar", {300, 760}, {laptop}, {155, 125}},
           {"left of it", {-1000, 200}, {laptop}, {155, 125}},
           {"on a second screen that is there", {-1500, 300}, {laptop, leftMonitor}, {-1500, 300}},
           {"100 pixels of the title bar showing", {1180, 746}, {laptop}, {1180, 746}},
           {"99 pixels of the title bar showing", {1181, 200}, {laptop}, {155, 125}},
           {"above the screen", {300, -5}, {laptop}, {155, 125}},
           {"from the primary's corner", {5000, 5000}, {{1920, 40, 1280, 770}, leftMonitor}, {2075, 165}},
           {"a screen too small for the corner", {3000, 2000}, {{0, 0, 600, 400}}, {75, 125}},
           {"a screen smaller than the window", {3000, 2000}, {{0, 0, 480, 200}}, {0, 0}},
           {"no screens: the desktop places it", {3000, 2000}, {}, {3000, 2000}},
       }) {
    EXPECT_EQ(OnScreen({c.stored.left, c.stored.top, 525, 250}, kTitleBar, c.screens), c.placed) << c.what;
  }
}

}  // namespace
}  // namespace ringlook::ui
