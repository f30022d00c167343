#include <gtest/gtest.h>

#include <string>

#include "ime/ui/CandidateRows.h"
#include "tests/native/RepeatedText.h"

namespace {

TEST(RowDisplayTextTest, ShortTextsStayWhole) {
  EXPECT_EQ(RowDisplayText("中国"), "中国");
  EXPECT_EQ(RowDisplayText(Repeat("a", 36)), Repeat("a", 36));
}

TEST(RowDisplayTextTest, FortyAsciiBytes) {
  const std::string text = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
  ASSERT_EQ(text.size(), 40u);
  EXPECT_EQ(RowDisplayText(text), "abcdefghijklmnopqrstuvwxyz...JKLMN");
}

TEST(RowDisplayTextTest, TwentyChineseCharacters) {
  const std::string text = Repeat("中", 17) + "国人民";
  EXPECT_EQ(RowDisplayText(text), Repeat("中", 13) + "..." + "国人民");
}

TEST(RowDisplayTextTest, HeadAndTailKeepCharactersWhole) {
  // One ASCII byte first: a 26-byte head would end inside a character.
  const std::string text = "a" + Repeat("中", 19) + "b";  // 40 bytes
  const std::string row = RowDisplayText(text);
  EXPECT_EQ(row, "a" + Repeat("中", 12) + "..." + Repeat("中", 2) + "b");
}

TEST(RowDisplayTextTest, TrailBytesBelow0x80AreNotTakenForCharacters) {
  // "@" (0x40) and "A" (0x41) are trail bytes in GBK: 丂 is 81 40, 丄 is 81 41.
  const std::string text = Repeat("\x81\x40", 18) + "\x81\x41\x81\x41";  // 40 bytes
  const std::string row = RowDisplayText(text);
  EXPECT_EQ(row, Repeat("\x81\x40", 13) + "..." + "\x81\x40\x81\x41\x81\x41");
}

TEST(RowDisplayTextTest, CodePartIsNotShown) {
  EXPECT_EQ(RowDisplayText("中国\rguo\r"), "中国");
}

TEST(RowDisplayTextTest, OverlongTextIsClippedBeforeShortening) {
  const std::string text = Repeat("x", 70);
  EXPECT_EQ(RowDisplayText(text), Repeat("x", 26) + "..." + Repeat("x", 5));
}

TEST(CandidateRowTextTest, LabelsOneToNineThenZero) {
  EXPECT_EQ(CandidateRowText(0, "中"), "1 中");
  EXPECT_EQ(CandidateRowText(6, "国\rg\r"), "7 国");
  EXPECT_EQ(CandidateRowText(8, "x"), "9 x");
  EXPECT_EQ(CandidateRowText(9, "x"), "0 x");
}

}  // namespace
