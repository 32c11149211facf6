// What comes after a call: the number cleaned for a softphone and a look-up,
// the look-up template rule, the pass-on line and the list as CSV.
#include <gtest/gtest.h>

#include "calls/CallerActions.h"
#include "calls/CallerLine.h"
#include "calls/CallerListCsv.h"

namespace ringlook::calls {
namespace {

TEST(CallerActions, NumbersAreCleanedForCallAndLookUp) {
  struct Case {
    const char* number;
    const char* call;  // with the default template
    const char* lookup;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"0201234567", "tel:0201234567", "https://duckduckgo.com/?q=0201234567"},
           {" 020-123 45.67 ", "tel:0201234567", "https://duckduckgo.com/?q=0201234567"},
           {"+31 (0)20 123 4567", "tel:+31201234567", "https://duckduckgo.com/?q=%2B31201234567"},
           {"(020) 123/4567", "tel:0201234567", "https://duckduckgo.com/?q=0201234567"},
           {"[+32] 2 555 12 12", "tel:+3225551212", "https://duckduckgo.com/?q=%2B3225551212"},
           {"0800-(0)123", "tel:08000123", "https://duckduckgo.com/?q=08000123"},  // its 0 stays without a country code
           {"020 123 4567 #2", "", ""},
           {"06+12345678", "", ""},
           {"Onbekend", "", ""},
           {"+", "", ""},
           {"", "", ""},
       }) {
    EXPECT_EQ(CallAddress(kDefaultCallAddress, c.number), c.call) << c.number;
    EXPECT_EQ(LookupAddress(kDefaultLookupAddress, c.number), c.lookup) << c.number;
  }
  EXPECT_EQ(CallAddress("sip:%s@pbx.kantoor", "020 1234567"), "sip:0201234567@pbx.kantoor");
  EXPECT_EQ(CallAddress("C:%s", "0201234567"), "tel:0201234567");
  EXPECT_EQ(SchemeOf("callto:0201234567"), "callto");
}

TEST(CallerActions, OnlyHttpAndHttpsLookUpTemplatesAreUsed) {
  struct Case {
    const char* addressTemplate;
    const char* address;  // for 020 1234567
  };
  for (const Case& c : std::initializer_list<Case>{
           {"https://www.detelefoongids.nl/zoeken?q=%s", "https://www.detelefoongids.nl/zoeken?q=0201234567"},
           {" HTTP://intranet/nummer/%s ", "HTTP://intranet/nummer/0201234567"},
           {"https://x.nl/%s/%s", "https://x.nl/0201234567/0201234567"},
           {"ftp://x.nl/%s", ""},
           {"mailto:zoek@x.nl?body=%s", ""},
           {"www.x.nl/?q=%s", ""},
           {"file:///etc/%s", ""},
           {"javascript:alert(%s)", ""},
           {"http:///C:/%s", ""},
           {"https://x.nl/zoeken", ""},
           {"", ""},
       }) {
    EXPECT_EQ(LookupAddress(c.addressTemplate, "020 1234567"), c.address) << c.addressTemplate;
    EXPECT_EQ(LookupTemplateFault(c.addressTemplate).empty(), *c.address != '\0') << c.addressTemplate;
  }
}

TEST(CallerActions, PassOnIsOneLineWithinTheMessageLimit) {
  EXPECT_EQ(PassOnText("Bakkerij De Korenaar", "0201234567", "lijn 2 9:05", 400),
            "Gebeld door Bakkerij De Korenaar, 0201234567 (lijn 2 9:05): graag terugbellen.");
  EXPECT_EQ(PassOnText(" ", "0201234567", "", 400), "Gebeld door onbekend, 0201234567: graag terugbellen.");
  EXPECT_EQ(PassOnText("Jan\r\nJansen", "1", "", 400), "Gebeld door Jan  Jansen, 1: graag terugbellen.");
  EXPECT_EQ(PassOnText(std::string(500, 'a'), "1", "", 400).size(), 400U);
}

TEST(CallerListCsv, FieldsAreQuotedAndNeverRunAsFormulas) {
  struct Case {
    const char* bytes;
    const char* field;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"Bakkerij De Korenaar", "Bakkerij De Korenaar"},
           {"Caf\xE9 \x80 5", "Caf\xC3\xA9 \xE2\x82\xAC 5"},
           {"De Vries; Zn", "\"De Vries; Zn\""},
           {"Het \"Anker\"", "\"Het \"\"Anker\"\"\""},
           {"regel\nregel", "\"regel\nregel\""},
           {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
           {"+31201234567", "'+31201234567"},
           {"-2+3", "'-2+3"},
           {"-", "-"},
           {"@SUM(A1)", "'@SUM(A1)"},
           {"\tx", "'\tx"},
           {"0201234567", "\"=\"\"0201234567\"\"\""},
           {"0", "0"},
           {"201234567", "201234567"},
           {"", ""},
       }) {
    EXPECT_EQ(CsvField(c.bytes), c.field) << c.bytes;
  }
}

TEST(CallerListCsv, TheFileHoldsWhatTheListShows) {
  const std::string line = FormatCallerRecord("Bakkerij De Korenaar^2^lijn 2 9:05^0201234567^14^");
  EXPECT_EQ(CallerListCsv({line, std::string(66, ' ')}),
            "\xEF\xBB\xBFNaam;Markering;Detail;Nummer\r\n"
            "Bakkerij De Korenaar;x;lijn 2 9:05;\"=\"\"0201234567\"\"\"\r\n");
  EXPECT_EQ(CsvFileName(46365.75), "Ringlook-2026-12-09.csv");
  EXPECT_EQ(CsvFileName(45351.0), "Ringlook-2024-02-29.csv");
  EXPECT_EQ(CsvFileName(36525.999), "Ringlook-1999-12-31.csv");
}

}  // namespace
}  // namespace ringlook::calls
