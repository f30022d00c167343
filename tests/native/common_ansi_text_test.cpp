// The conversion of ANSI (GBK) file names to UTF-8 for SQLite.
#include <gtest/gtest.h>

#include "ime/common/AnsiText.h"

namespace {

TEST(AnsiToUtf8, AsciiIsUnchanged) {
  EXPECT_EQ(AnsiToUtf8(""), "");
  EXPECT_EQ(AnsiToUtf8("C:\\lumatori\\lumatoridb\\lmtsys_a.db"),
            "C:\\lumatori\\lumatoridb\\lmtsys_a.db");
}

TEST(AnsiToUtf8, GbkBecomesUtf8) {
  // Narrow literals are GBK here; u8 literals stay UTF-8.
  EXPECT_EQ(AnsiToUtf8("\xD6\xD0\xCE\xC4"), u8"中文");
  EXPECT_EQ(AnsiToUtf8("词典/lmtsys_User.db"), u8"词典/lmtsys_User.db");
  EXPECT_EQ(AnsiToUtf8("\x81\x5C"), u8"乗");
}

TEST(AnsiToUtf8, InvalidBytesDoNotStopTheConversion) {
  // A stray trail-range byte, 0xFF, and a lead byte cut off at the end.
  const std::string converted = AnsiToUtf8("a\xFF" "b\xD6");
  EXPECT_EQ(converted.front(), 'a');
  EXPECT_NE(converted.find('b'), std::string::npos);
#ifndef _WIN32
  EXPECT_EQ(converted, u8"a\uFFFDb\uFFFD");
#endif
}

}  // namespace
