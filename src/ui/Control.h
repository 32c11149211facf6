// The control interfaces the window logic talks to. Each window class holds its
// controls through these; Qt widgets and Win32 controls implement them for the
// program, the in-memory classes for tests and headless runs.
#pragma once

namespace ringlook::ui {

// Background colours the logic chooses between.
enum class Colour { Window, Menu, Alert };

class Control {
 public:
  virtual ~Control() = default;
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetFocus() = 0;
  [[nodiscard]] virtual bool Focused() const = 0;
};

}  // namespace ringlook::ui
