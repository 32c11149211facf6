// What a clicked address may hand on to the desktop or the shell: web and mail
// addresses only, so that a message can never make a click open a file or
// start a program.
#include "common/WebAddress.h"

#include <gtest/gtest.h>

namespace ringlook {
namespace {

TEST(WebAddress, OnlyWebAndMailAddressesAreOpened) {
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
           {" www.test.nl/a\n", "http://www.test.nl/a"},
           {"file:///C:/Windows/System32/calc.exe", ""},
           {"file:///etc/passwd", ""},
           {"/usr/bin/xterm", ""},
           {"file://www.x.nl/share/run.exe", ""},
           {"javascript:alert(1)", ""},
           {"ringlook://bel/0612345678", ""},
           {"vnd.ms-excel:ofe|u|http://x.nl/a.xls", ""},
           {"C:\\Windows\\System32\\calc.exe", ""},
           {"\\\\server\\share\\run.bat", ""},
           {"notes://server/db", ""},
           {"http://", ""},
           {"http:///C:/Windows/System32/calc.exe", ""},
           {"ftp://\\\\server\\share", ""},
           {"mailto:", ""},
           {"www.", ""},
           {"", ""},
       }) {
    EXPECT_EQ(WebAddress(c.clicked), c.opened) << c.clicked;
  }
}

}  // namespace
}  // namespace ringlook
