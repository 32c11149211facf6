// What a text field takes of pasted text, so that what it shows is what it
// sends: composed (an accent apart joins its letter), without characters the
// code page cannot hold and without control characters. A tab becomes a blank;
// a line break becomes CR LF in a multi-line field and a blank in a one-line
// field. Typed text needs no such care: the "A" window procedures hand the
// fields only characters of the code page.
#pragma once

#include <string>
#include <string_view>

namespace ringlook::win32 {

// The text in the platform's code page (Windows-1252).
std::string TypableText(std::wstring_view text, bool multiLine);

}  // namespace ringlook::win32
