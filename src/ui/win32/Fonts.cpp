// Layout fonts: see Fonts.h.
#include "ui/win32/Fonts.h"

#include <map>
#include <string>
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

}  // namespace ringlook::win32
