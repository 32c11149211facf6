// Byte-text helpers: see Text.h.
#include "common/Text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ringlook {

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string_view TrimmedView(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string Trimmed(std::string_view text) { return std::string(TrimmedView(text)); }

std::string UpperCased(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string_view FirstChars(std::string_view text, std::size_t n) { return text.substr(0, n); }

std::string_view CopyFrom(std::string_view text, std::size_t pos, std::size_t n) {
  if (pos < 1 || pos > text.size()) return {};
  return text.substr(pos - 1, n);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(UpperAscii(x)) < static_cast<unsigned char>(UpperAscii(y));
  });
}

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  // from_chars takes no leading '+', which the decimal conversion of the stored texts allows.
  std::string_view digits = text.front() == '+' ? text.substr(1) : text;
  if (digits.empty() || (text.front() == '+' && digits.front() == '-')) return false;
  int parsed = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
  if (ec != std::errc() || end != digits.data() + digits.size()) return false;
  value = parsed;
  return true;
}

namespace {
constexpr std::array<char32_t, 32> kHighCodes = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

std::string Utf8FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t code = byte >= 0x80 && byte < 0xA0 ? kHighCodes[byte - 0x80U] : char32_t{byte};
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0U | (code >> 6U));
      out += static_cast<char>(0x80U | (code & 0x3FU));
    } else {
      out += static_cast<char>(0xE0U | (code >> 12U));
      out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
      out += static_cast<char>(0x80U | (code & 0x3FU));
    }
  }
  return out;
}

}  // namespace ringlook
