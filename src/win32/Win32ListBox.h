// The caller list on a LISTBOX: silver, a fixed-pitch font, lines at least 15
// pixels high. A selection changed by the user (mouse or keys) is OnClick; one
// made by the program is not.
#pragma once

#include "ui/ListBox.h"
#include "win32/Win32Control.h"

namespace ringlook::win32 {

class Win32ListBox : public Win32Control<ui::ListBox> {
 public:
  Win32ListBox(HWND parent, const char* name, RECT bounds);

  [[nodiscard]] int Count() const override;
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view line) override;
  void Insert(int index, std::string_view line) override;
  void SetItem(int index, std::string_view line) override;
  void Clear() override;
  [[nodiscard]] int ItemIndex() const override;
  void SetItemIndex(int index) override;
  [[nodiscard]] int FontHeight() const override;
  void SetFontHeight(int pixels) override;

  void Command(int code) override;
  HBRUSH Colours(HDC dc) override;

 private:
  void SetFont(HFONT font);
};

}  // namespace ringlook::win32
