// A list of text lines with one selected line (the caller list).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace ringlook::ui {

class ListBox : public Control {
 public:
  [[nodiscard]] virtual int Count() const = 0;
  [[nodiscard]] virtual std::string Item(int index) const = 0;
  virtual void Add(std::string_view line) = 0;
  virtual void Insert(int index, std::string_view line) = 0;
  // Replaces a line in place; the selection stays where it was.
  virtual void SetItem(int index, std::string_view line) = 0;
  virtual void Clear() = 0;
  // The selected line, -1 when none.
  [[nodiscard]] virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  // Cell height of the list font in pixels.
  [[nodiscard]] virtual int FontHeight() const = 0;
  virtual void SetFontHeight(int pixels) = 0;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // The window's context menu is about to open: over line index by a right
  // click, on the selected line by the menu key or Shift+F10, -1 elsewhere.
  std::function<void(int index)> OnPopup;
};

}  // namespace ringlook::ui
