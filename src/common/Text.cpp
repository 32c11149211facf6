// Byte-text helpers: see Text.h.
#include "common/Text.h"

#include <algorithm>
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

}  // namespace ringlook
