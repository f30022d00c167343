// The phrase-code rule shared by the module and the dictionary builder.
#include <gtest/gtest.h>

#include "ime/dictionary/PhraseCodeRule.h"

namespace {

std::string Sx(const std::vector<std::string>& codes) {
  return PhraseCodeFromCharacterCodes(codes, CodeScheme::sx);
}
std::string Zx(const std::vector<std::string>& codes) {
  return PhraseCodeFromCharacterCodes(codes, CodeScheme::zx);
}

}  // namespace

TEST(PhraseCodeRule, NoCharacterGivesNoCodeAndOneGivesItsWholeCode) {
  EXPECT_EQ(Sx({}), "");
  EXPECT_EQ(Zx({}), "");
  EXPECT_EQ(Sx({"vskk"}), "vskk");
  EXPECT_EQ(Zx({"khk"}), "khk");
}

TEST(PhraseCodeRule, SxByCharacterCount) {
  const std::vector<std::string> c{"abcd", "efgh", "ijkl", "mnop", "qrst", "uvwx", "yzab", "cdef"};
  const auto first = [&](size_t n) { return std::vector<std::string>(c.begin(), c.begin() + n); };
  EXPECT_EQ(Sx(first(2)), "abefh");
  EXPECT_EQ(Sx(first(3)), "abeijl");
  EXPECT_EQ(Sx(first(4)), "abeimn");
  EXPECT_EQ(Sx(first(5)), "abeimq");
  EXPECT_EQ(Sx(first(6)), "abeimqu");
  EXPECT_EQ(Sx(first(7)), "abeimquy");
  EXPECT_EQ(Sx(first(8)), "abeimquy");  // characters after the seventh are ignored
}

TEST(PhraseCodeRule, ZxByCharacterCount) {
  const std::vector<std::string> c{"abcd", "efgh", "ijkl", "mnop", "qrst"};
  const auto first = [&](size_t n) { return std::vector<std::string>(c.begin(), c.begin() + n); };
  EXPECT_EQ(Zx(first(2)), "abef");
  EXPECT_EQ(Zx(first(3)), "aeij");
  EXPECT_EQ(Zx(first(4)), "aeip");  // last letter of the last character's code
  EXPECT_EQ(Zx(first(5)), "aeit");
}

TEST(PhraseCodeRule, ShortCodesGiveWhatTheyHave) {
  EXPECT_EQ(Sx({"vs", "gu"}), "vsguu");
  EXPECT_EQ(Sx({"a", "b", "c"}), "abcc");
  EXPECT_EQ(Zx({"a", "b"}), "ab");
  EXPECT_EQ(Zx({"a", "", "c", "de"}), "ace");
  // A character without a code stands with its own two bytes.
  EXPECT_EQ(Zx({"\xD6\xD0", "ab"}), "\xD6\xD0" "ab");
}

TEST(PhraseCodeRule, RepeatedCharactersShareTheirCode) {
  EXPECT_EQ(Sx({"vskk", "vskk"}), "vsvsk");
  EXPECT_EQ(Zx({"khk", "khk", "khk", "khk"}), "kkkk");
}
