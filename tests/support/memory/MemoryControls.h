// In-memory controls: they hold exactly the state the logic can see, so tests read
// it back and headless runs need no window system. Their event slots (OnClick,
// OnKeyPress, ...) are fired by the test through the helpers below.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/MenuItem.h"
#include "ui/Panel.h"
#include "ui/RichView.h"
#include "ui/StatusBar.h"

namespace ringlook::ui {

// Enabled, visible and focus for every in-memory control.
template <typename Base>
class MemoryControl : public Base {
 public:
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  [[nodiscard]] bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetFocus() override { focused_ = true; }
  [[nodiscard]] bool Focused() const override { return focused_; }
  void LoseFocus() { focused_ = false; }

 private:
  bool enabled_ = true;
  bool visible_ = true;
  bool focused_ = false;
};

class MemoryListBox : public MemoryControl<ListBox> {
 public:
  [[nodiscard]] int Count() const override { return static_cast<int>(lines_.size()); }
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view line) override { lines_.emplace_back(line); }
  void Insert(int index, std::string_view line) override;
  void SetItem(int index, std::string_view line) override;
  void Clear() override;
  [[nodiscard]] int ItemIndex() const override { return selected_; }
  void SetItemIndex(int index) override;
  [[nodiscard]] int FontHeight() const override { return fontHeight_; }
  void SetFontHeight(int pixels) override { fontHeight_ = pixels; }
  [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  int selected_ = -1;
  int fontHeight_ = 13;
};

template <typename Base>
class MemoryTextField : public MemoryControl<Base> {
 public:
  explicit MemoryTextField(std::size_t maxLength = 0) : maxLength_(maxLength) {}
  [[nodiscard]] std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_.assign(text); }
  [[nodiscard]] bool ReadOnly() const override { return readOnly_; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  [[nodiscard]] Colour Background() const override { return background_; }
  void SetBackground(Colour colour) override { background_ = colour; }

  // Types characters as a user would: each goes through OnKeyPress, Backspace
  // removes the last one, and the length limit refuses the rest.
  void Type(std::string_view keys) {
    for (char key : keys) {
      if (this->OnKeyPress) this->OnKeyPress(key);
      if (key == 0 || readOnly_ || !this->Enabled()) continue;
      if (key == '\b') {
        if (!text_.empty()) text_.pop_back();
      } else if (maxLength_ == 0 || text_.size() < maxLength_) {
        text_.push_back(key);
      }
    }
  }

 private:
  std::string text_;
  std::size_t maxLength_;
  bool readOnly_ = false;
  Colour background_ = Colour::Window;
};

using MemoryEdit = MemoryTextField<Edit>;
using MemoryMemo = MemoryTextField<Memo>;

class MemoryCheckBox : public MemoryControl<CheckBox> {
 public:
  [[nodiscard]] bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override {
    if (checked == checked_) return;
    checked_ = checked;
    if (OnClick) OnClick();
  }
  void Click() { SetChecked(!checked_); }

 private:
  bool checked_ = false;
};

class MemoryButton : public MemoryControl<Button> {
 public:
  explicit MemoryButton(int left = 0, int width = 75) : left_(left), width_(width) {}
  [[nodiscard]] int Left() const override { return left_; }
  void SetLeft(int left) override { left_ = left; }
  [[nodiscard]] int Width() const override { return width_; }
  void Click() {
    if (Enabled() && OnClick) OnClick();
  }

 private:
  int left_;
  int width_;
};

class MemoryComboBox : public MemoryControl<ComboBox> {
 public:
  [[nodiscard]] int Count() const override { return static_cast<int>(items_.size()); }
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view item) override;
  void Clear() override;
  [[nodiscard]] int ItemIndex() const override { return selected_; }
  void SetItemIndex(int index) override;

 private:
  std::vector<std::string> items_;
  int selected_ = -1;
};

class MemoryPanel : public MemoryControl<Panel> {};

class MemoryStatusBar : public StatusBar {
 public:
  explicit MemoryStatusBar(int panels = 3)
      : texts_(static_cast<std::size_t>(panels)), bevels_(static_cast<std::size_t>(panels), Bevel::Lowered) {}
  [[nodiscard]] std::string PanelText(int panel) const override;
  void SetPanelText(int panel, std::string_view text) override;
  [[nodiscard]] Bevel PanelBevel(int panel) const override;
  void SetPanelBevel(int panel, Bevel bevel) override;
  void Click() {
    if (OnClick) OnClick();
  }

 private:
  std::vector<std::string> texts_;
  std::vector<Bevel> bevels_;
};

class MemoryMenuItem : public MenuItem {
 public:
  explicit MemoryMenuItem(bool visible = true) : visible_(visible) {}
  [[nodiscard]] bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void Click() {
    if (visible_ && enabled_ && OnClick) OnClick();
  }

 private:
  bool visible_;
  bool enabled_ = true;
};

class MemoryRichView : public MemoryControl<RichView> {
 public:
  [[nodiscard]] std::string Text() const override { return text_; }
  void SetText(std::string_view text) override;
  void AppendLines(std::string_view text) override;
  [[nodiscard]] int LineCount() const override;
  void ScrollLines(int lines) override { firstVisibleLine_ += lines; }
  [[nodiscard]] std::string SelectedText() const override { return selected_; }
  void ClearSelection() override { selected_.clear(); }
  void Select(std::string_view text) { selected_.assign(text); }
  [[nodiscard]] int FirstVisibleLine() const { return firstVisibleLine_; }
  // How many texts were appended: one a message block.
  [[nodiscard]] int Appends() const { return appends_; }

 private:
  std::string text_;
  int appends_ = 0;
  std::string selected_;
  int firstVisibleLine_ = 0;
};

}  // namespace ringlook::ui
