// What the user can do with a call after it came in: the number cleaned for a
// softphone or a look-up, the addresses the settings' templates make of it,
// and the one-line text that passes the call on to a colleague.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ringlook::calls {

inline constexpr std::string_view kDefaultCallAddress = "tel:%s";
// A search engine that keeps no profile of who asks: a look-up sends the
// caller's number out of the office, and a company's number is found there.
inline constexpr std::string_view kDefaultLookupAddress = "https://duckduckgo.com/?q=%s";

// The number as a telephone takes it: "(0)" after a country code, blanks,
// dots, dashes, slashes and brackets gone, a leading "+" kept. Empty when what
// is left is not digits (after that "+"), such as "Onbekend".
std::string DialableNumber(std::string_view number);

// The call address for number: the template's "%s" replaced by the cleaned
// number. Empty when the number is not dialable; a template without a scheme
// or without "%s" gives way to the default.
std::string CallAddress(std::string_view addressTemplate, std::string_view number);
// The scheme of a call address ("tel" for "tel:0201234567").
std::string_view SchemeOf(std::string_view address);

// Why a look-up template cannot be used (only http and https addresses with a
// host and a "%s"), or empty when it can.
std::string_view LookupTemplateFault(std::string_view addressTemplate);
// The look-up address: the cleaned number, percent-encoded, in place of "%s".
// Empty when the template is faulty or the number not dialable.
std::string LookupAddress(std::string_view addressTemplate, std::string_view number);

// One short Dutch line that passes a call on: name, number and detail (or the
// time of the call), cut to limit, the send dialog's.
std::string PassOnText(std::string_view name, std::string_view number, std::string_view detail, std::size_t limit);

}  // namespace ringlook::calls
