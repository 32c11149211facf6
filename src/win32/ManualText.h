// The Dutch manual, written once as HTML for both front ends, as the plain
// text the Win32 help window shows: paragraphs and headings on lines of their
// own, list items and table rows one a line, entities decoded, UTF-8 turned
// into Windows-1252, and where each named anchor falls.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace ringlook::win32 {

struct ManualText {
  std::string text;  // lines end in CR LF
  // Anchor name to position in the text, counting a line break as one
  // character, as the rich edit control counts.
  std::map<std::string, long> anchors;
};

ManualText ManualFromHtml(std::string_view html);

}  // namespace ringlook::win32
