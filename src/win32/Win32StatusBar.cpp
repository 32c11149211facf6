// Status bar: see Win32StatusBar.h.
#include "win32/Win32StatusBar.h"

#include <commctrl.h>

#include <algorithm>

namespace ringlook::win32 {

Win32StatusBar::Win32StatusBar(HWND parent, const char* name, std::vector<int> widths)
    : Win32Child(parent, STATUSCLASSNAMEA, name, WS_VISIBLE | SBARS_SIZEGRIP, 0, RECT{0, 0, 0, 0}),
      widths_(std::move(widths)),
      texts_(widths_.size()),
      bevels_(widths_.size(), ui::Bevel::Lowered) {
  SetParts();
}

void Win32StatusBar::SetParts() const {
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    right += widths_[i];
    edges.push_back(i + 1 == widths_.size() ? -1 : right);
  }
  SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void Win32StatusBar::WidenToTexts() {
  // Room for the panel's edges and the space the control leaves around a text.
  constexpr int kMargins = 12;
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, texts_[i].c_str(), static_cast<int>(texts_[i].size()), &extent);
    widths_[i] = std::max(widths_[i], static_cast<int>(extent.cx) + kMargins);
  }
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  SetParts();
}

std::string Win32StatusBar::PanelText(int panel) const {
  return Exists(panel) ? texts_[static_cast<std::size_t>(panel)] : std::string();
}

void Win32StatusBar::SetPanelText(int panel, std::string_view text) {
  if (!Exists(panel)) return;
  texts_[static_cast<std::size_t>(panel)].assign(text);
  Show(panel);
}

ui::Bevel Win32StatusBar::PanelBevel(int panel) const {
  return Exists(panel) ? bevels_[static_cast<std::size_t>(panel)] : ui::Bevel::Lowered;
}

void Win32StatusBar::SetPanelBevel(int panel, ui::Bevel bevel) {
  if (!Exists(panel)) return;
  bevels_[static_cast<std::size_t>(panel)] = bevel;
  Show(panel);
}

void Win32StatusBar::Show(int panel) const {
  const auto at = static_cast<std::size_t>(panel);
  const WPARAM flags = bevels_[at] == ui::Bevel::Raised ? SBT_POPOUT : 0;
  SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(panel) | flags, reinterpret_cast<LPARAM>(texts_[at].c_str()));
}

bool Win32StatusBar::Notify(const NMHDR& header, LRESULT& result) {
  if (header.code != static_cast<UINT>(NM_CLICK)) return false;
  if (OnClick) OnClick();
  result = 0;
  return true;
}

void Win32StatusBar::FitToParent() { SendMessageA(Handle(), WM_SIZE, 0, 0); }

int Win32StatusBar::Height() const {
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  return bounds.bottom - bounds.top;
}

}  // namespace ringlook::win32
