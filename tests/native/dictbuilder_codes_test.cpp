// Code derivation: Ziranma double pinyin, the sx character code, the schemes' code sets,
// and the GBK conversion of input text.
#include <gtest/gtest.h>

#include "tools/dictbuilder/DoublePinyin.h"
#include "tools/dictbuilder/GbkText.h"
#include "tools/dictbuilder/PinyinTable.h"
#include "ime/dictionary/PhraseCodeRule.h"

using namespace dictbuilder;

namespace {

std::string Ziranma(const std::string& syllable) {
  std::string code;
  return ZiranmaSyllableCode(syllable, code) ? code : "<none>";
}

}  // namespace

TEST(Ziranma, InitialsZhChShHaveOneKey) {
  EXPECT_EQ(Ziranma("zhong"), "vs");
  EXPECT_EQ(Ziranma("shuang"), "ud");  // uang and iang share D in Ziranma
  EXPECT_EQ(Ziranma("chuang"), "id");
  EXPECT_EQ(Ziranma("zhi"), "vi");
  EXPECT_EQ(Ziranma("zi"), "zi");
  EXPECT_EQ(Ziranma("shi"), "ui");
}

TEST(Ziranma, FinalsOnTheirKeys) {
  EXPECT_EQ(Ziranma("xiang"), "xd");
  EXPECT_EQ(Ziranma("liu"), "lq");
  EXPECT_EQ(Ziranma("hua"), "hw");
  EXPECT_EQ(Ziranma("jia"), "jw");
  EXPECT_EQ(Ziranma("ruan"), "rr");
  EXPECT_EQ(Ziranma("yue"), "yt");
  EXPECT_EQ(Ziranma("ying"), "yy");
  EXPECT_EQ(Ziranma("kuai"), "ky");
  EXPECT_EQ(Ziranma("guo"), "go");
  EXPECT_EQ(Ziranma("lun"), "lp");
  EXPECT_EQ(Ziranma("xiong"), "xs");
  EXPECT_EQ(Ziranma("hen"), "hf");
  EXPECT_EQ(Ziranma("beng"), "bg");
  EXPECT_EQ(Ziranma("hang"), "hh");
  EXPECT_EQ(Ziranma("ban"), "bj");
  EXPECT_EQ(Ziranma("hao"), "hk");
  EXPECT_EQ(Ziranma("lai"), "ll");
  EXPECT_EQ(Ziranma("wei"), "wz");
  EXPECT_EQ(Ziranma("xie"), "xx");
  EXPECT_EQ(Ziranma("miao"), "mc");
  EXPECT_EQ(Ziranma("gui"), "gv");
  EXPECT_EQ(Ziranma("dou"), "db");
  EXPECT_EQ(Ziranma("lin"), "ln");
  EXPECT_EQ(Ziranma("tian"), "tm");
}

TEST(Ziranma, UmlautSpelledV) {
  EXPECT_EQ(Ziranma("lv"), "lv");
  EXPECT_EQ(Ziranma("nve"), "nt");
  EXPECT_EQ(Ziranma("lue"), "lt");
  EXPECT_EQ(Ziranma("ju"), "ju");
  EXPECT_EQ(Ziranma("xuan"), "xr");
  EXPECT_EQ(Ziranma("yun"), "yp");
}

TEST(Ziranma, SyllablesWithoutInitial) {
  EXPECT_EQ(Ziranma("a"), "aa");
  EXPECT_EQ(Ziranma("o"), "oo");
  EXPECT_EQ(Ziranma("e"), "ee");
  EXPECT_EQ(Ziranma("ai"), "ai");
  EXPECT_EQ(Ziranma("an"), "an");
  EXPECT_EQ(Ziranma("ao"), "ao");
  EXPECT_EQ(Ziranma("ei"), "ei");
  EXPECT_EQ(Ziranma("en"), "en");
  EXPECT_EQ(Ziranma("ou"), "ou");
  EXPECT_EQ(Ziranma("er"), "er");
  EXPECT_EQ(Ziranma("ang"), "ah");
  EXPECT_EQ(Ziranma("eng"), "eg");
}

TEST(Ziranma, RejectsWhatIsNoSyllable) {
  for (const char* text : {"", "m", "ng", "hm", "eh", "0%", "Zhong", "zhongg", "x"})
    EXPECT_EQ(Ziranma(text), "<none>") << text;
}

TEST(SxCharacterCode, PinyinThenFirstAndLastShapeLetters) {
  const FullCodes full{{"\xE4\xB8\xAD", "khk"}, {"\xE5\x8F\x8C", "cccy"}};
  std::string code;
  ASSERT_TRUE(SxCharacterCode("\xE4\xB8\xAD", "zhong", full, code));
  EXPECT_EQ(code, "vskk");
  ASSERT_TRUE(SxCharacterCode("\xE5\x8F\x8C", "shuang", full, code));
  EXPECT_EQ(code, "udcy");
  // No shape code: the two pinyin letters alone.
  ASSERT_TRUE(SxCharacterCode("\xE5\x95\x8A", "a", full, code));
  EXPECT_EQ(code, "aa");
  EXPECT_FALSE(SxCharacterCode("\xE4\xB8\xAD", "ng", full, code));
}

TEST(SchemeCode, LettersAndLengthsOfEachScheme) {
  EXPECT_TRUE(IsSchemeCode("abcdefgh", CodeScheme::sx));
  EXPECT_FALSE(IsSchemeCode("abcdefghi", CodeScheme::sx));
  EXPECT_FALSE(IsSchemeCode("a;", CodeScheme::sx));
  EXPECT_TRUE(IsSchemeCode("a;,z", CodeScheme::zx));
  EXPECT_FALSE(IsSchemeCode("abcde", CodeScheme::zx));
  EXPECT_FALSE(IsSchemeCode("", CodeScheme::zx));
  EXPECT_FALSE(IsSchemeCode("aB", CodeScheme::zx));
  EXPECT_FALSE(IsSchemeCode("a'", CodeScheme::sx));
}

TEST(GbkText, ConvertsToCodePage936) {
  std::string gbk;
  ASSERT_TRUE(Utf8ToGbk("\xE4\xB8\xAD\xE5\x9B\xBD", gbk));
  EXPECT_EQ(gbk, "\xD6\xD0\xB9\xFA");
  ASSERT_TRUE(Utf8ToGbk("\xE4\xB8\x82", gbk));  // U+4E02, GBK only (not GB2312)
  EXPECT_EQ(gbk, "\x81\x40");
  ASSERT_TRUE(Utf8ToGbk("a1", gbk));
  EXPECT_EQ(gbk, "a1");
}

TEST(GbkText, RejectsCharactersOutsideGbk) {
  std::string gbk;
  EXPECT_FALSE(Utf8ToGbk("\xF0\xA0\x80\x80", gbk));          // U+20000, CJK extension B
  EXPECT_FALSE(Utf8ToGbk("\xE4\xB8\xAD\xF0\x9F\x98\x80", gbk));  // an emoji after 中
  EXPECT_FALSE(Utf8ToGbk("\xE4\xB8", gbk));                   // cut UTF-8
}
