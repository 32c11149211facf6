// The field operations: see Fields.h.
#include "net/Fields.h"

namespace ringlook::net {

std::string_view FieldBefore(std::string_view text, char separator) {
  const auto at = text.find(separator);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string_view DropThrough(std::string_view text, char separator) {
  const auto at = text.find(separator);
  return at == std::string_view::npos ? text : text.substr(at + 1);
}

// Gives the same bytes as DropThrough; the readers use whichever name says what they mean.
std::string_view TextAfter(std::string_view text, char separator) { return DropThrough(text, separator); }

std::string_view NextField(std::string_view& rest) {
  const std::string_view field = FieldBefore(rest, kFieldSeparator);
  rest = DropThrough(rest, kFieldSeparator);
  return field;
}

bool HasKeyword(std::string_view text, std::string_view keyword) {
  return text.size() > keyword.size() && text.substr(0, keyword.size()) == keyword &&
         text[keyword.size()] == kFieldSeparator;
}

}  // namespace ringlook::net
