// The punctuation, full-width and soft keyboard tables: their GBK codes, checked by
// converting them to Unicode independently of the tables.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "ime/engine/FullWidthTable.h"
#include "ime/engine/PunctuationTable.h"
#include "ime/engine/SoftKeyboardLayouts.h"

namespace {

std::u32string FromGbk(std::string_view gbk) {
  iconv_t cd = iconv_open("UTF-32LE", "GBK");
  std::string in(gbk);
  std::u32string out(gbk.size() + 1, U'\0');
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = reinterpret_cast<char*>(out.data());
  size_t outLeft = out.size() * sizeof(char32_t);
  const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  EXPECT_NE(result, static_cast<size_t>(-1)) << "not GBK";
  out.resize((out.size() * sizeof(char32_t) - outLeft) / sizeof(char32_t));
  return out;
}

TEST(FullWidthTableTest, EveryPrintableAsciiCharacterHasItsFullWidthForm) {
  EXPECT_EQ(FromGbk(FullWidthForm(' ')), U"\u3000");
  for (unsigned ch = 0x21; ch <= 0x7E; ++ch) {
    EXPECT_EQ(FromGbk(FullWidthForm(static_cast<unsigned char>(ch))),
              std::u32string(1, static_cast<char32_t>(0xFF00 + ch - 0x20)))
        << "character " << ch;
  }
  EXPECT_TRUE(FullWidthForm(0x7F).empty());
  EXPECT_TRUE(FullWidthForm('\n').empty());
}

TEST(PunctuationTableTest, FixedOutputsHaveTheirGbkCodes) {
  PrivateRecord record = {};
  EXPECT_EQ(ChinesePunctuation('.', record), "\xA1\xA3");
  EXPECT_EQ(ChinesePunctuation('$', record), "\xA3\xA4");
  EXPECT_EQ(ChinesePunctuation('_', record), "\xA1\xAA\xA1\xAA");
  EXPECT_EQ(ChinesePunctuation('^', record), "\xA1\xAD\xA1\xAD");
  EXPECT_EQ(ChinesePunctuation('@', record), "\xA1\xA4");
  EXPECT_TRUE(ChinesePunctuation('#', record).empty());
  EXPECT_TRUE(ChinesePunctuation('a', record).empty());
}

TEST(PunctuationTableTest, QuotesAlternateAndAnglesNest) {
  PrivateRecord record = {};
  std::string quotes;
  for (int i = 0; i < 3; ++i) quotes += ChinesePunctuation('"', record);
  EXPECT_EQ(quotes, "\xA1\xB0\xA1\xB1\xA1\xB0");
  std::string single(ChinesePunctuation('\'', record));
  single += ChinesePunctuation('\'', record);
  EXPECT_EQ(single, "\xA1\xAE\xA1\xAF");
  std::string angles;
  for (char key : {'<', '<', '>', '>', '>'}) angles += ChinesePunctuation(key, record);
  EXPECT_EQ(FromGbk(angles), U"《〈〉》》");
  EXPECT_EQ(record.angleOpen, 0u);
  EXPECT_EQ(record.angleDepth, 0u);
}

TEST(SoftKeyboardTest, EveryRowHoldsFortyEightDoubleByteEntries) {
  for (unsigned layout = 0; layout < kSoftKeyboardLayoutCount; ++layout) {
    for (bool shifted : {false, true}) {
      for (int key = 0; key < kSoftKeyCount; ++key) {
        const std::string_view entry = SoftKeyEntry(layout, shifted, key);
        ASSERT_EQ(entry.size(), 2u);
        if (!IsBlankSoftKey(entry)) {
          EXPECT_EQ(FromGbk(entry).size(), 1u) << layout << "/" << shifted << "/" << key;
        }
      }
    }
  }
}

TEST(SoftKeyboardTest, KeysMapToTheirPlacesInTheRows) {
  EXPECT_EQ(SoftKeyIndex(' '), 0);
  EXPECT_EQ(SoftKeyIndex('0'), 1);
  EXPECT_EQ(SoftKeyIndex('A'), 11);
  EXPECT_EQ(SoftKeyIndex(0xBA), 37);
  EXPECT_EQ(SoftKeyIndex(0xC0), 43);
  EXPECT_EQ(SoftKeyIndex(0xDE), 47);
  EXPECT_EQ(SoftKeyIndex(0x70), 0);  // F1: the Space key
  // Greek: Q W E give α β γ, A gives κ, Shift+A Κ; the digits have nothing.
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, false, SoftKeyIndex('Q'))), U"α");
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, false, SoftKeyIndex('W'))), U"β");
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, false, SoftKeyIndex('E'))), U"γ");
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, false, SoftKeyIndex('A'))), U"κ");
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, true, SoftKeyIndex('A'))), U"Κ");
  EXPECT_TRUE(IsBlankSoftKey(SoftKeyEntry(1, false, SoftKeyIndex('1'))));
  EXPECT_EQ(FromGbk(SoftKeyEntry(1, false, 0)), U"　");
  // The PC keyboard gives full-width ASCII, shifted as on the keyboard.
  EXPECT_EQ(FromGbk(SoftKeyEntry(0, false, SoftKeyIndex(0xDE))), U"＇");
  EXPECT_EQ(FromGbk(SoftKeyEntry(0, true, SoftKeyIndex('1'))), U"！");
  // Layouts without a shifted row, and indexes out of range, give nothing.
  EXPECT_TRUE(IsBlankSoftKey(SoftKeyEntry(3, true, SoftKeyIndex('A'))));
  EXPECT_TRUE(IsBlankSoftKey(SoftKeyEntry(13, false, 1)));
  EXPECT_TRUE(IsBlankSoftKey(SoftKeyEntry(0, false, 48)));
}

}  // namespace
