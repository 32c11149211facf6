// The core's Windows-1252 bytes through Qt strings and back.
#include <gtest/gtest.h>

#include "ui/qt/Cp1252.h"

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

}  // namespace
