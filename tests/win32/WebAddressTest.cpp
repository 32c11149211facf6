// What a clicked address may hand to the shell: web and mail addresses only,
// so that a message can never make a click open a file or start a program.
#include <gtest/gtest.h>

#include "ui/win32/Win32Application.h"

namespace ringlook::win32 {
namespace {

TEST(WebAddress, OnlyWebAndMailAddressesGoToTheShell) {
  struct Case {
    const char* clicked;
    const char* opened;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"http://example.nl/a?b=1", "http://example.nl/a?b=1"},
           {"HTTPS://Example.nl", "HTTPS://Example.nl"},
           {"ftp://ftp.example.nl/x", "ftp://ftp.example.nl/x"},
           {"mailto:jan@example.nl", "mailto:jan@example.nl"},
           {"www.example.com", "http://www.example.com"},
           {"file:///C:/Windows/System32/calc.exe", ""},
           {"C:\\Windows\\System32\\calc.exe", ""},
           {"\\\\server\\share\\run.bat", ""},
           {"notes://server/db", ""},
           {"http://", ""},
           {"http:///C:/Windows/System32/calc.exe", ""},
           {"ftp://\\\\server\\share", ""},
           {"www.", ""},
           {"", ""},
       }) {
    EXPECT_EQ(WebAddress(c.clicked), c.opened) << c.clicked;
  }
}

}  // namespace
}  // namespace ringlook::win32
