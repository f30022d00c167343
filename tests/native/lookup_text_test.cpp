// Cutting display texts, the GB2312 filter and the display length of candidate records.
#include <gtest/gtest.h>

#include <string>

#include "ime/dictionary/CandidateText.h"
#include "tests/native/RepeatedText.h"

TEST(ClipDisplayText, KeepsTextsOfAtMost64Bytes) {
  EXPECT_EQ(ClipDisplayText(""), 0u);
  EXPECT_EQ(ClipDisplayText("中国"), 4u);
  EXPECT_EQ(ClipDisplayText(Repeat("中", 32)), 64u);
  EXPECT_EQ(ClipDisplayText("a" + Repeat("中", 31) + "b"), 64u);
}

TEST(ClipDisplayText, CutsLongerTextsOnACharacterBoundary) {
  // An even number of single bytes in the first 64: 64; an odd number: 63.
  EXPECT_EQ(ClipDisplayText(Repeat("中", 40)), 64u);
  EXPECT_EQ(ClipDisplayText("a" + Repeat("中", 40)), 63u);
  EXPECT_EQ(ClipDisplayText("ab" + Repeat("中", 40)), 64u);
  EXPECT_EQ(ClipDisplayText(Repeat("x", 100)), 64u);
}

TEST(ClipDisplayText, CountsTrailBytesBelow0x80AsPartOfTheirCharacter) {
  // "\x81\x40" is one GBK character whose trail byte looks like "@".
  const std::string text = "a" + Repeat("\x81\x40", 40);
  EXPECT_EQ(ClipDisplayText(text), 63u);
}

TEST(ClipDisplayText, DropsALeadByteWithoutItsTrailByte) {
  EXPECT_EQ(ClipDisplayText("ab\xD6"), 2u);
  EXPECT_EQ(ClipDisplayText("a" + Repeat("中", 31) + "\xD6"), 63u);
  EXPECT_EQ(ClipDisplayText("\xD6"), 0u);
}

TEST(IsGB2312Hanzi, AcceptsTheHanziAreaAndTheTwoPunctuationMarks) {
  EXPECT_TRUE(IsGB2312Hanzi("啊"));        // B0 A1, first of level 1
  EXPECT_TRUE(IsGB2312Hanzi("\xF7\xFE"));  // last of level 2
  EXPECT_TRUE(IsGB2312Hanzi("，"));
  EXPECT_TRUE(IsGB2312Hanzi("；"));
  EXPECT_FALSE(IsGB2312Hanzi("。"));        // A1 A3: symbols area
  EXPECT_FALSE(IsGB2312Hanzi("\x81\x40"));  // GBK extension
  EXPECT_FALSE(IsGB2312Hanzi("\xF8\xA1"));
  EXPECT_FALSE(IsGB2312Hanzi("\xB0\xA0"));
  EXPECT_FALSE(IsGB2312Hanzi("\xB0\xFF"));
  EXPECT_FALSE(IsGB2312Hanzi("ab"));
}

TEST(IsGB2312Hanzi, PassesEveryTextThatIsNotTwoBytesLong) {
  EXPECT_TRUE(IsGB2312Hanzi(""));
  EXPECT_TRUE(IsGB2312Hanzi("a"));
  EXPECT_TRUE(IsGB2312Hanzi("\x81\x40\x81\x40"));
  EXPECT_TRUE(IsGB2312Hanzi("\x81\x40z"));
}

TEST(RecordDisplayLength, LeavesOutTheCodePart) {
  EXPECT_EQ(RecordDisplayLength("中国"), 4u);
  EXPECT_EQ(RecordDisplayLength("中国\rgo\r"), 4u);
  EXPECT_EQ(RecordDisplayLength("\rgo\r"), 0u);
  EXPECT_EQ(RecordDisplayLength(""), 0u);
}

TEST(RecordDisplayLength, IsCutAtTheBoundaryOf64) {
  EXPECT_EQ(RecordDisplayLength(Repeat("中", 32) + "\rab\r"), 64u);
  EXPECT_EQ(RecordDisplayLength("a" + Repeat("中", 32) + "\rab\r"), 63u);
  EXPECT_EQ(RecordDisplayLength("a" + Repeat("中", 31) + "b"), 64u);
}

TEST(CharacterPrefixLength, StopsBeforeACharacterThatWouldPassTheLimit) {
  EXPECT_EQ(CharacterPrefixLength("中国", 3), 2u);
  EXPECT_EQ(CharacterPrefixLength("a中", 2), 1u);
  EXPECT_EQ(CharacterPrefixLength("abc", 10), 3u);
}
