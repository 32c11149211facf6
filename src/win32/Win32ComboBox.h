// The recipient list on a drop-down COMBOBOX (no typing), kept sorted without
// regard to case, twelve lines shown when open.
#pragma once

#include "ui/ComboBox.h"
#include "win32/Win32Control.h"

namespace ringlook::win32 {

class Win32ComboBox : public Win32Control<ui::ComboBox> {
 public:
  // bounds: the closed box; the open list is added below it.
  Win32ComboBox(HWND parent, const char* name, RECT bounds);

  [[nodiscard]] int Count() const override;
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view item) override;
  void Clear() override;
  [[nodiscard]] int ItemIndex() const override;
  void SetItemIndex(int index) override;
};

}  // namespace ringlook::win32
