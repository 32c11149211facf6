// The field operations and the keyword test, as tables of cases, including what
// they give when the separator is absent: that decides how damaged messages read.
#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "net/Fields.h"

namespace ringlook::net {
namespace {

struct FieldCase {
  std::string text;
  std::string fieldBefore;
  std::string dropThrough;
  std::string textAfter;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FieldOperations : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldOperations, GiveTheBytesAroundTheFirstSeparator) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(FieldBefore(c.text, '^'), c.fieldBefore);
  EXPECT_EQ(DropThrough(c.text, '^'), c.dropThrough);
  EXPECT_EQ(TextAfter(c.text, '^'), c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldOperations,
                         ::testing::Values(FieldCase{"Ann^Bob^", "Ann", "Bob^", "Bob^"}, FieldCase{"^x", "", "x", "x"},
                                           FieldCase{"abc^", "abc", "", ""},
                                           FieldCase{"no separator", "", "no separator", "no separator"},
                                           FieldCase{"", "", "", ""}, FieldCase{"^^", "", "^", "^"}));

TEST(NextField, ReadsOnlyFieldsFollowedByASeparator) {
  std::string_view rest = "Jan^0^";
  EXPECT_EQ(NextField(rest), "Jan");
  EXPECT_EQ(NextField(rest), "0");
  EXPECT_EQ(NextField(rest), "");
  EXPECT_EQ(rest, "");
  std::string_view unterminated = "a^last";
  EXPECT_EQ(NextField(unterminated), "a");
  EXPECT_EQ(NextField(unterminated), "") << "a last field without its ^ reads as empty";
  EXPECT_EQ(unterminated, "last") << "and the rest stays for the next reader";
  EXPECT_EQ(NextField(unterminated), "");
}

TEST(HasKeyword, MatchesOnlyAtTheFirstByteCaseSensitiveWithSeparator) {
  EXPECT_TRUE(HasKeyword("NIEUW^Jan^", "NIEUW"));
  EXPECT_TRUE(HasKeyword("WRONGNICK^", "WRONGNICK"));
  EXPECT_FALSE(HasKeyword("nieuw^Jan^", "NIEUW"));
  EXPECT_FALSE(HasKeyword(" NIEUW^Jan^", "NIEUW"));
  EXPECT_FALSE(HasKeyword("NIEUW", "NIEUW"));
  EXPECT_FALSE(HasKeyword("NIEUWS^x", "NIEUW"));
  EXPECT_FALSE(HasKeyword("MSG^x", "MSGX"));
  EXPECT_FALSE(HasKeyword("xx^NIEUW^", "NIEUW"));
}

TEST(Text, TrimsBytesUpToBlankAndUpperCasesOnlyAsciiLetters) {
  EXPECT_EQ(Trimmed(std::string("\x01 \t a b \r\n\x20", 11)), "a b");
  EXPECT_EQ(Trimmed(std::string("\0x\0", 3)), "x");
  EXPECT_EQ(Trimmed("\x7f"), "\x7f") << "127 is not a blank";
  EXPECT_EQ(Trimmed("\xa0x\xa0"), "\xa0x\xa0") << "bytes above 127 stay";
  EXPECT_EQ(UpperCased("caf\xe9 lijst"), "CAF\xe9 LIJST");
  EXPECT_EQ(UpperCased("az{`@AZ"), "AZ{`@AZ");
}

TEST(Text, ConvertsSignedDecimalIntegersStrictly) {
  int v = 7;
  EXPECT_TRUE(ParseInt("-42", v));
  EXPECT_EQ(v, -42);
  EXPECT_TRUE(ParseInt("+5", v));
  EXPECT_EQ(v, 5);
  for (const char* bad : {"", "abc", "12x", " 1", "+", "-", "+-1", "99999999999"}) {
    v = 7;
    EXPECT_FALSE(ParseInt(bad, v)) << bad;
    EXPECT_EQ(v, 7) << bad;
  }
}

}  // namespace
}  // namespace ringlook::net
