// Pasted text made typable: see TypableText.h.
#include "win32/TypableText.h"

#include <optional>

#include "win32/Win32Api.h"

namespace ringlook::win32 {

namespace {

// Text the system cannot compose (a lone half of a surrogate pair) is taken as
// it is; the characters it cannot hold are left out below anyway.
std::wstring Composed(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  int size = NormalizeString(NormalizationC, text.data(), length, nullptr, 0);
  while (size > 0) {
    std::wstring composed(static_cast<std::size_t>(size), L'\0');
    const int got = NormalizeString(NormalizationC, text.data(), length, composed.data(), size);
    if (got > 0) {
      composed.resize(static_cast<std::size_t>(got));
      return composed;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    size = -got;
  }
  return std::wstring(text);
}

bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::optional<char> Encoded(wchar_t c) {
  // Neither half of a surrogate pair (a character outside the basic plane) is in the code page.
  if (IsControl(c) || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  char byte = 0;
  BOOL usedDefault = FALSE;
  const int bytes = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &c, 1, &byte, 1, nullptr, &usedDefault);
  if (bytes != 1 || usedDefault != FALSE) return std::nullopt;
  return byte;
}

bool IsLineBreak(wchar_t c) { return c == L'\n' || c == L'\r' || c == 0x2028 || c == 0x2029; }

}  // namespace

std::string TypableText(std::wstring_view text, bool multiLine) {
  const std::wstring composed = Composed(text);
  std::string typable;
  typable.reserve(composed.size());
  for (std::size_t i = 0; i < composed.size(); ++i) {
    const wchar_t c = composed[i];
    if (IsLineBreak(c)) {
      if (c == L'\r' && i + 1 < composed.size() && composed[i + 1] == L'\n') ++i;
      typable += multiLine ? "\r\n" : " ";
    } else if (c == L'\t') {
      typable += ' ';
    } else if (const std::optional<char> byte = Encoded(c)) {
      typable += *byte;
    }
  }
  return typable;
}

}  // namespace ringlook::win32
