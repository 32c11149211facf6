// Text fields: see Win32Edit.h.
#include "win32/Win32Edit.h"

#include <cwchar>

#include "win32/TypableText.h"

namespace ringlook::win32 {

namespace {

constexpr COLORREF kAlert = RGB(255, 100, 100);

HBRUSH AlertBrush() {
  static const HBRUSH brush = CreateSolidBrush(kAlert);
  return brush;
}

// The clipboard's text as the system holds it, in UTF-16; empty when it holds none.
std::wstring ClipboardText(HWND owner) {
  if (IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || OpenClipboard(owner) == FALSE) return {};
  std::wstring text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

template <typename Interface>
Win32TextField<Interface>::Win32TextField(HWND parent, const char* name, DWORD style, RECT bounds, int maxLength)
    : Win32Control<Interface>(parent, "EDIT", name, WS_VISIBLE | WS_TABSTOP | style, WS_EX_CLIENTEDGE, bounds) {
  if (maxLength > 0) SendMessageA(this->Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  this->Subclass();
}

template <typename Interface>
bool Win32TextField<Interface>::ReadOnly() const {
  return (GetWindowLongA(this->Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

template <typename Interface>
void Win32TextField<Interface>::SetReadOnly(bool readOnly) {
  SendMessageA(this->Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

template <typename Interface>
void Win32TextField<Interface>::SetBackground(ui::Colour colour) {
  background_ = colour;
  InvalidateRect(this->Handle(), nullptr, TRUE);
}

template <typename Interface>
HBRUSH Win32TextField<Interface>::Colours(HDC dc) {
  switch (background_) {
    case ui::Colour::Menu:
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return GetSysColorBrush(COLOR_BTNFACE);
    case ui::Colour::Alert:
      SetBkColor(dc, kAlert);
      return AlertBrush();
    case ui::Colour::Window:
      break;
  }
  // A read-only field asks as a static control would; it keeps the window colour.
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

template <typename Interface>
bool Win32TextField<Interface>::Subclassed(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETDLGCODE) {
    // Enter reaches the field (the search field acts on it) rather than the dialog keys.
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    result = this->Default(message, wParam, lParam) & ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
    return true;
  }
  const bool multiLine = (GetWindowLongA(this->Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  if (message == WM_PASTE) {
    // Replacing the selection would also write into a read-only field, which takes no paste.
    if (!ReadOnly()) {
      const std::string typable = TypableText(ClipboardText(this->Handle()), multiLine);
      SendMessageA(this->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typable.c_str()));
    }
    result = 0;
    return true;
  }
  if (message != WM_CHAR || !this->OnKeyPress) return false;
  char key = static_cast<char>(wParam);
  this->OnKeyPress(key);
  // A swallowed key, or Enter in a one-line field (which would only beep), goes no further.
  if (key == 0 || (key == '\r' && !multiLine)) {
    result = 0;
    return true;
  }
  result = this->Default(message, static_cast<WPARAM>(static_cast<unsigned char>(key)), lParam);
  return true;
}

Win32Edit::Win32Edit(HWND parent, const char* name, RECT bounds, int maxLength)
    : Win32TextField(parent, name, ES_AUTOHSCROLL, bounds, maxLength) {}

Win32Memo::Win32Memo(HWND parent, const char* name, RECT bounds, int maxLength)
    : Win32TextField(parent, name, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, bounds, maxLength) {}

template class Win32TextField<ui::Edit>;
template class Win32TextField<ui::Memo>;

}  // namespace ringlook::win32
