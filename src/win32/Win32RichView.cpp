// Messages view: see Win32RichView.h.
#include "win32/Win32RichView.h"

#include <richedit.h>

#include <vector>

namespace ringlook::win32 {

namespace {

const char* RichEditClass() {
  static const HMODULE library = LoadLibraryA("msftedit.dll");
  (void)library;
  return "RICHEDIT50W";
}

}  // namespace

Win32RichView::Win32RichView(HWND parent, const char* name, RECT bounds)
    : Win32Control(
          parent, RichEditClass(), name,
          WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_DISABLENOSCROLL,
          WS_EX_CLIENTEDGE, bounds) {
  SendMessageA(Handle(), EM_SETTEXTMODE, TM_PLAINTEXT, 0);
  SendMessageA(Handle(), EM_AUTOURLDETECT, TRUE, 0);
  const LRESULT mask = SendMessageA(Handle(), EM_GETEVENTMASK, 0, 0);
  SendMessageA(Handle(), EM_SETEVENTMASK, 0, mask | ENM_LINK);
  SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_SCROLLBAR)));
}

std::string Win32RichView::TextOf(DWORD flags) const {
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, kCodePage};
  const auto bytes =
      static_cast<std::size_t>(SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::vector<char> text(bytes + 1);
  GETTEXTEX get{static_cast<DWORD>(text.size()), flags | GT_USECRLF, kCodePage, nullptr, nullptr};
  const auto got = static_cast<std::size_t>(
      SendMessageA(Handle(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data())));
  return std::string(text.data(), std::min(got, bytes));
}

void Win32RichView::Replace(std::string_view text, DWORD flags) {
  SETTEXTEX set{flags, kCodePage};
  SendMessageA(Handle(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
               reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

std::string Win32RichView::Text() const { return TextOf(GT_DEFAULT); }

void Win32RichView::SetText(std::string_view text) { Replace(text, ST_DEFAULT); }

void Win32RichView::AppendLines(std::string_view text) {
  CHARRANGE end{-1, -1};
  SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  Replace(text, ST_SELECTION);
}

int Win32RichView::LineCount() const { return static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0)); }

void Win32RichView::ScrollLines(int lines) { SendMessageA(Handle(), EM_LINESCROLL, 0, lines); }

std::string Win32RichView::SelectedText() const { return TextOf(GT_SELECTION); }

void Win32RichView::ClearSelection() {
  CHARRANGE selection{};
  SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  selection.cpMin = selection.cpMax;
  SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
}

bool Win32RichView::Notify(const NMHDR& header, LRESULT& result) {
  if (header.code != EN_LINK) return false;
  const ENLINK link = *reinterpret_cast<const ENLINK*>(&header);
  if (link.msg != WM_LBUTTONDOWN) return false;
  try {
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&link.chrg));
    if (OnUrlClick) OnUrlClick(SelectedText());
  } catch (...) {
    // A failure while handling a link click has no visible effect by design.
  }
  // Handled: the control would otherwise put the caret where the press was and
  // lose the selection, which is how the address is read and what the user sees.
  result = 1;
  return true;
}

}  // namespace ringlook::win32
