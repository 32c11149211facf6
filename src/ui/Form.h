// A top-level window: the main window or one of the four dialogs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ringlook::ui {

enum class ModalResult { None = 0, Ok = 1, Cancel = 2 };

// Virtual-key codes the logic looks at: main-row digits are '0' to '9' (keypad
// digits map to other codes), F1 is 0x70.
namespace key {
inline constexpr int kF1 = 0x70;
inline constexpr int kDigit0 = 0x30;
inline constexpr int kDigit1 = 0x31;
inline constexpr int kDigit2 = 0x32;
}  // namespace key

struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
};

class Form {
 public:
  virtual ~Form() = default;
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  [[nodiscard]] virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void Show() = 0;
  // Shows the window modally, processing events until it closes; returns how it closed.
  virtual ModalResult ShowModal() = 0;
  // Asks the window to close with a result; OnCloseQuery may keep it open.
  virtual void Close(ModalResult result) = 0;
  [[nodiscard]] virtual int Left() const = 0;
  [[nodiscard]] virtual int Top() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  [[nodiscard]] virtual int Width() const = 0;
  [[nodiscard]] virtual int Height() const = 0;
  // From the frame's top edge to the client area: the strip the user drags.
  [[nodiscard]] virtual int TitleBarHeight() const = 0;
  // Width fixed at the current width, height at least the current height.
  virtual void FreezeWidthAndMinimumHeight() = 0;
  // Brings the window to the front and gives it the focus.
  virtual void Activate() = 0;
  // Puts the window in or out of the layer above all other windows, without
  // moving, sizing or activating it.
  virtual void SetStaysOnTop(bool onTop) = 0;

  std::function<void()> OnShow;
  std::function<void()> OnActivate;
  // With key preview: every key press before the focused control sees it; the
  // handler sets key to 0 when it has consumed it.
  std::function<void(int& key, ShiftState shift)> OnKeyDown;
  // Runs when the window is asked to close; false keeps it open.
  std::function<bool()> OnCloseQuery;
};

}  // namespace ringlook::ui
