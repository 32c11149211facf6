// Pasted text as a field takes it: composed, in Windows-1252, without control
// characters, with its line breaks as the field holds them.
#include <gtest/gtest.h>

#include "win32/TypableText.h"

namespace ringlook::win32 {
namespace {

TEST(TypableText, KeepsWhatTheCodePageHoldsAndNoControlCharacters) {
  struct Case {
    const wchar_t* pasted;
    const char* oneLine;
    const char* multiLine;
  };
  for (const Case& c : std::initializer_list<Case>{
           {L"Jan de Vries", "Jan de Vries", "Jan de Vries"},
           {L"a\tb", "a b", "a b"},
           {L"a\r\nb\nc\rd\u2028e\u2029f", "a b c d e f", "a\r\nb\r\nc\r\nd\r\ne\r\nf"},
           {L"\x01x\x1b\x7f\x85\x9fy", "xy", "xy"},
           {L"caf\u0065\u0301 \u00e9", "caf\xE9 \xE9", "caf\xE9 \xE9"},
           {L"\u20ac 5 \u2013 \u00a0\u00ff", "\x80 5 \x96 \xA0\xFF", "\x80 5 \x96 \xA0\xFF"},
           {L"\u0101\u0141\u4e2d|\U0001F600|", "||", "||"},
           {L"", "", ""},
       }) {
    EXPECT_EQ(TypableText(c.pasted, false), c.oneLine) << testing::PrintToString(std::wstring(c.pasted));
    EXPECT_EQ(TypableText(c.pasted, true), c.multiLine) << testing::PrintToString(std::wstring(c.pasted));
  }
}

}  // namespace
}  // namespace ringlook::win32
