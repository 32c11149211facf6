// The core's Windows-1252 bytes through Qt strings and back.
#include <gtest/gtest.h>

#include "qt/Cp1252.h"

namespace {

using ringlook::qt::FromCp1252;
using ringlook::qt::ToCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  const QString text = FromCp1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252, BytesMapToTheirCharacters) {
  EXPECT_EQ(FromCp1252("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(FromCp1252("\x9f"), QString(QChar(0x0178)));  // Y with diaeresis
  EXPECT_EQ(FromCp1252("\xe9t\xe9"), QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
  EXPECT_EQ(FromCp1252("\xa0"), QString(QChar(0x00A0)));
  EXPECT_EQ(ToCp1252(QString::fromUtf8("\xe2\x80\x9cJa\xe2\x80\x9d")), "\x93Ja\x94");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xe4\xb8\xad b")), "a? b");
  // One character outside the basic plane is one question mark, not two.
  EXPECT_EQ(ToCp1252(QString::fromUtf8("x\xf0\x9f\x98\x80y")), "x?y");
}

struct TypableCase {
  const char* text;  // UTF-8
  const char* oneLine;
  const char* multiLine;
};

void PrintTo(const TypableCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TypableTextTest : public ::testing::TestWithParam<TypableCase> {};

TEST_P(TypableTextTest, KeepsOnlyWhatTheCodePageHoldsAndTheUserCanSee) {
  const QString text = QString::fromUtf8(GetParam().text);
  EXPECT_EQ(ringlook::qt::TypableText(text, false).toStdString(), GetParam().oneLine);
  EXPECT_EQ(ringlook::qt::TypableText(text, true).toStdString(), GetParam().multiLine);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypableTextTest,
    ::testing::Values(TypableCase{"Jan de Vries", "Jan de Vries", "Jan de Vries"},
                      TypableCase{"\xe2\x82\xac 5 \xe2\x80\x9cja\xe2\x80\x9d \xc3\xbf",
                                  "\xe2\x82\xac 5 \xe2\x80\x9cja\xe2\x80\x9d \xc3\xbf",
                                  "\xe2\x82\xac 5 \xe2\x80\x9cja\xe2\x80\x9d \xc3\xbf"},
                      // an accent typed apart joins its letter; the angstrom sign is the letter \xc3\x85
                      TypableCase{"cafe\xcc\x81 \xe2\x84\xab", "caf\xc3\xa9 \xc3\x85", "caf\xc3\xa9 \xc3\x85"},
                      TypableCase{"\xd0\x9f\xd1\x80\xd0\xb8 Jan \xe4\xb8\xad", " Jan ", " Jan "},
                      TypableCase{"x\xf0\x9f\x98\x80y\xef\xac\x81", "xy", "xy"}, TypableCase{"a\tb", "a b", "a b"},
                      TypableCase{"a\r\nb\nc\rd", "a b c d", "a\r\nb\nc\rd"},
                      TypableCase{"a\xe2\x80\xa9"
                                  "b\xe2\x80\xa8"
                                  "c",
                                  "a b c",
                                  "a\xe2\x80\xa9"
                                  "b\xe2\x80\xa8"
                                  "c"},
                      TypableCase{"nul\x01\x1b\x7f\xc2\x81\xc2\x9d!", "nul!", "nul!"}));

}  // namespace
