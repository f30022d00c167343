// The simplified/traditional character table made from OpenCC's data.
#include <gtest/gtest.h>

#include "ime/dictionary/VariantTable.h"

TEST(VariantTable, ConvertsBothWays) {
  EXPECT_EQ(TableToTraditional("中国人民"), "中國人民");
  EXPECT_EQ(TableToSimplified("中國人民"), "中国人民");
  EXPECT_EQ(TableToTraditional("发展"), "發展");
}

TEST(VariantTable, KeepsSingleBytesAndAnIncompleteCharacter) {
  EXPECT_EQ(TableToTraditional("a国;\xB9"), "a國;\xB9");
  EXPECT_EQ(TableToTraditional(""), "");
}

TEST(VariantTable, IsSortedWithoutIdentities) {
  ASSERT_GT(kSimplifiedToTraditionalCount, 1000u);
  ASSERT_GT(kTraditionalToSimplifiedCount, 1000u);
  for (std::size_t i = 0; i < kSimplifiedToTraditionalCount; ++i) {
    EXPECT_NE(kSimplifiedToTraditional[i].from, kSimplifiedToTraditional[i].to);
    if (i > 0) {
      EXPECT_LT(kSimplifiedToTraditional[i - 1].from, kSimplifiedToTraditional[i].from);
    }
  }
}
