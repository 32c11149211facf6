// What the user can do with a call: see CallerActions.h.
#include "calls/CallerActions.h"

#include <algorithm>
#include <cctype>

#include "common/Text.h"
#include "common/WebAddress.h"

namespace ringlook::calls {

namespace {

constexpr std::string_view kPlaceholder = "%s";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDropped(char c) {
  return c == ' ' || c == '.' || c == '-' || c == '/' || c == '(' || c == ')' || c == '[' || c == ']';
}

std::string Expanded(std::string_view addressTemplate, std::string_view value) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = addressTemplate.find(kPlaceholder); at != std::string_view::npos;
       at = addressTemplate.find(kPlaceholder, from)) {
    out.append(addressTemplate.substr(from, at - from)).append(value);
    from = at + kPlaceholder.size();
  }
  return out.append(addressTemplate.substr(from));
}

// A scheme of two letters or more, so that "C:%s" is a path and not a scheme.
bool HasScheme(std::string_view address) {
  const std::string_view scheme = SchemeOf(address);
  return scheme.size() >= 2 && std::isalpha(static_cast<unsigned char>(scheme.front())) != 0 &&
         std::all_of(scheme.begin(), scheme.end(), [](char c) {
           return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
         });
}

std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || c == '-' || c == '.' || c == '_' || c == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4U];
      out += kHex[byte & 0xFU];
    }
  }
  return out;
}

// Line breaks and tabs in a field would break the one line.
std::string OneLine(std::string_view text) {
  std::string out = Trimmed(text);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
  return out;
}

}  // namespace

std::string DialableNumber(std::string_view number) {
  std::string text = Trimmed(number);
  if (!text.empty() && text.front() == '+') {
    const std::size_t trunk = text.find("(0)");
    if (trunk != std::string::npos) text.erase(trunk, 3);
  }
  std::string out;
  for (const char c : text) {
    if (IsDropped(c)) continue;
    if (!IsDigit(c) && !(c == '+' && out.empty())) return {};
    out += c;
  }
  return std::any_of(out.begin(), out.end(), IsDigit) ? out : std::string();
}

std::string_view SchemeOf(std::string_view address) {
  const std::size_t colon = address.find(':');
  return colon == std::string_view::npos ? std::string_view() : address.substr(0, colon);
}

std::string CallAddress(std::string_view addressTemplate, std::string_view number) {
  const std::string dialable = DialableNumber(number);
  if (dialable.empty()) return {};
  const std::string_view usable = TrimmedView(addressTemplate);
  const bool valid = HasScheme(usable) && usable.find(kPlaceholder) != std::string_view::npos;
  return Expanded(valid ? usable : kDefaultCallAddress, dialable);
}

std::string_view LookupTemplateFault(std::string_view addressTemplate) {
  const std::string_view usable = TrimmedView(addressTemplate);
  const std::string upper = UpperCased(usable);
  if (upper.rfind("HTTP://", 0) != 0 && upper.rfind("HTTPS://", 0) != 0)
    return "alleen http: en https: worden gebruikt";
  if (usable.find(kPlaceholder) == std::string_view::npos) return "%s voor het nummer ontbreekt";
  if (WebAddress(Expanded(usable, "0")).empty()) return "het adres noemt geen server";
  return {};
}

std::string LookupAddress(std::string_view addressTemplate, std::string_view number) {
  const std::string dialable = DialableNumber(number);
  if (dialable.empty() || !LookupTemplateFault(addressTemplate).empty()) return {};
  return Expanded(TrimmedView(addressTemplate), PercentEncoded(dialable));
}

std::string PassOnText(std::string_view name, std::string_view number, std::string_view detail, std::size_t limit) {
  std::string text = "Gebeld door " + (TrimmedView(name).empty() ? std::string("onbekend") : OneLine(name));
  if (!TrimmedView(number).empty()) text += ", " + OneLine(number);
  if (!TrimmedView(detail).empty()) text += " (" + OneLine(detail) + ")";
  text += ": graag terugbellen.";
  return std::string(FirstChars(text, limit));
}

}  // namespace ringlook::calls
