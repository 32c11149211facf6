// Layout fonts: see Fonts.h.
#include "win32/Fonts.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace ringlook::win32 {

namespace {

HFONT Font(const char* face, int height, DWORD pitchAndFamily) {
  static std::map<std::pair<std::string, int>, HFONT> made;
  HFONT& font = made[{face, height}];
  if (font == nullptr) {
    font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face);
  }
  return font;
}

}  // namespace

HFONT SansFont(int pixels) { return Font("MS Sans Serif", -pixels, VARIABLE_PITCH | FF_SWISS); }

HFONT FixedPitchFont(int pixels, bool asCellHeight) {
  return Font("Lucida Sans Typewriter", asCellHeight ? pixels : -pixels, FIXED_PITCH | FF_MODERN);
}

int CellHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

int TextWidth(HWND window, const char* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::string_view(text).size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return extent.cx;
}

int ButtonWidth(HWND window, const char* caption, int designed) {
  // Room for the button's edges on both sides of the caption.
  constexpr int kEdges = 16;
  return std::max(designed, TextWidth(window, caption) + kEdges);
}

}  // namespace ringlook::win32
