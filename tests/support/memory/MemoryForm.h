// An in-memory window. A modal showing runs the scripted user actions queued for
// it (each may let time pass, type, click, and close the window), so tests can
// make events arrive while a dialog is open, exactly as in the running program.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "ui/Form.h"

namespace ringlook::ui {

class MemoryForm : public Form {
 public:
  explicit MemoryForm(std::string caption = {}, int width = 300, int height = 200)
      : caption_(std::move(caption)), width_(width), height_(height) {}

  [[nodiscard]] std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_.assign(caption); }
  [[nodiscard]] bool Visible() const override { return visible_; }
  void Show() override;
  ModalResult ShowModal() override;
  void Close(ModalResult result) override;
  [[nodiscard]] int Left() const override { return left_; }
  [[nodiscard]] int Top() const override { return top_; }
  void SetLeft(int left) override { left_ = left; }
  void SetTop(int top) override { top_ = top; }
  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }
  [[nodiscard]] int TitleBarHeight() const override { return kTitleBarHeight; }
  void FreezeWidthAndMinimumHeight() override { frozen_ = true; }
  [[nodiscard]] bool SizeFrozen() const { return frozen_; }
  void Activate() override {
    if (OnActivate) OnActivate();
  }
  void SetStaysOnTop(bool onTop) override { staysOnTop_ = onTop; }
  [[nodiscard]] bool StaysOnTop() const { return staysOnTop_; }
  // A key press as the window would see it with key preview; returns the key
  // as left by the handler (0 when consumed).
  int PressKey(int keyCode, ShiftState shift = {}) {
    if (OnKeyDown) OnKeyDown(keyCode, shift);
    return keyCode;
  }

  // What the user does during the next modal showing. When no action is queued,
  // the window is closed with Cancel, as a user who closes it at once.
  void WhenShownModal(std::function<void(MemoryForm&)> action) { script_.push_back(std::move(action)); }
  [[nodiscard]] int ModalShowings() const { return modalShowings_; }

 private:
  // As a common desktop theme draws it.
  static constexpr int kTitleBarHeight = 24;
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_;
  int height_;
  bool visible_ = false;
  bool frozen_ = false;
  bool staysOnTop_ = false;
  bool inModalShowing_ = false;
  ModalResult result_ = ModalResult::None;
  std::deque<std::function<void(MemoryForm&)>> script_;
  int modalShowings_ = 0;
};

}  // namespace ringlook::ui
