// The field operations every parse is built from. They work on views, so reading
// a long record list moves forward through one buffer and never copies its rest.
#pragma once

#include <string_view>

namespace ringlook::net {

inline constexpr char kFieldSeparator = '^';
inline constexpr char kRecordSeparator = '~';

// The bytes before the first separator; empty when there is none.
std::string_view FieldBefore(std::string_view text, char separator);

// The text without everything up to and including the first separator;
// the text unchanged when there is none.
std::string_view DropThrough(std::string_view text, char separator);

// The bytes after the first separator; the whole text when there is none.
std::string_view TextAfter(std::string_view text, char separator);

// FieldBefore then DropThrough with "^" on rest: a field counts only if a "^" follows it.
std::string_view NextField(std::string_view& rest);

// True when text begins, at its first byte, with keyword followed by "^".
bool HasKeyword(std::string_view text, std::string_view keyword);

}  // namespace ringlook::net
