// Caller list: see Win32ListBox.h.
#include "win32/Win32ListBox.h"

#include <algorithm>
#include <vector>

#include "win32/Fonts.h"

namespace ringlook::win32 {

namespace {
constexpr int kDesignFontPixels = 13;
constexpr int kDesignItemHeight = 15;
constexpr COLORREF kSilver = RGB(192, 192, 192);
}  // namespace

Win32ListBox::Win32ListBox(HWND parent, const char* name, RECT bounds)
    : Win32Control(parent, "LISTBOX", name, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                   bounds) {
  SetFont(FixedPitchFont(kDesignFontPixels));
}

int Win32ListBox::Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string Win32ListBox::Item(int index) const {
  const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), static_cast<std::size_t>(length));
}

void Win32ListBox::Add(std::string_view line) {
  SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(line).c_str()));
}

void Win32ListBox::Insert(int index, std::string_view line) {
  SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(std::clamp(index, 0, Count())),
               reinterpret_cast<LPARAM>(std::string(line).c_str()));
}

void Win32ListBox::SetItem(int index, std::string_view line) {
  if (index < 0 || index >= Count()) return;
  const int selected = ItemIndex();
  const LRESULT top = SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0);
  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  Insert(index, line);
  SetItemIndex(selected);
  SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32ListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int Win32ListBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void Win32ListBox::SetItemIndex(int index) {
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < Count() ? index : -1), 0);
}

int Win32ListBox::FontHeight() const {
  return CellHeight(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
}

void Win32ListBox::SetFontHeight(int pixels) { SetFont(FixedPitchFont(pixels, true)); }

void Win32ListBox::SetFont(HFONT font) {
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, std::max(kDesignItemHeight, CellHeight(font)));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32ListBox::Command(int code) {
  if (code == LBN_SELCHANGE && OnClick) OnClick();
  if (code == LBN_DBLCLK && OnDblClick) OnDblClick();
}

HBRUSH Win32ListBox::Colours(HDC dc) {
  static const HBRUSH silver = CreateSolidBrush(kSilver);
  SetBkColor(dc, kSilver);
  SetTextColor(dc, RGB(0, 0, 0));
  return silver;
}

}  // namespace ringlook::win32
