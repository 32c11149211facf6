// Recipient list: see Win32ComboBox.h.
#include "win32/Win32ComboBox.h"

#include <commctrl.h>

#include <vector>

#include "common/Text.h"

namespace ringlook::win32 {

namespace {
constexpr int kVisibleItems = 12;

RECT WithList(RECT bounds) {
  bounds.bottom += kVisibleItems * 16;
  return bounds;
}
}  // namespace

Win32ComboBox::Win32ComboBox(HWND parent, const char* name, RECT bounds)
    : Win32Control(parent, "COMBOBOX", name, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                   WithList(bounds)) {
  SendMessageA(Handle(), CB_SETMINVISIBLE, kVisibleItems, 0);
}

int Win32ComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string Win32ComboBox::Item(int index) const {
  const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), static_cast<std::size_t>(length));
}

void Win32ComboBox::Add(std::string_view item) {
  int at = Count();
  while (at > 0 && LessIgnoringCase(item, Item(at - 1))) --at;
  SendMessageA(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(std::string(item).c_str()));
}

void Win32ComboBox::Clear() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int Win32ComboBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void Win32ComboBox::SetItemIndex(int index) {
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < Count() ? index : -1), 0);
}

}  // namespace ringlook::win32
