// What a click on an address in a message may open: web and mail addresses
// only, so that a message can never make a click open a file or start a
// program. Both front ends ask this one rule before they hand an address on.
#pragma once

#include <string>
#include <string_view>

namespace ringlook {

// The address to open for the clicked text (trimmed; "www." gets "http://"),
// or an empty text for anything that is not an http, https, ftp or mailto
// address with something after its scheme. A web address names a host first:
// "http:///..." would name a path on this machine.
std::string WebAddress(std::string_view clicked);

}  // namespace ringlook
