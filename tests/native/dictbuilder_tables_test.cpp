// Making the tables of both schemes from parsed input: drops, duplicates, phrase codes
// under the phrase's own readings, and the reverse tables' full-code-first order.
#include <gtest/gtest.h>

#include <sstream>

#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/PinyinTable.h"
#include "tools/dictbuilder/WubiTable.h"

using namespace dictbuilder;

namespace {

RimeDict Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseRimeDict(in, "t");
}

// UTF-8 of the characters used below, and their GBK bytes.
const std::string kZhong = "\xE4\xB8\xAD", kZhongGbk = "\xD6\xD0";    // 中
const std::string kGuo = "\xE5\x9B\xBD", kGuoGbk = "\xB9\xFA";        // 国
const std::string kChong = "\xE9\x87\x8D", kChongGbk = "\xD6\xD8";    // 重
const std::string kFu = "\xE5\xA4\x8D";                               // 复
const std::string kExtB = "\xF0\xA0\x80\x80";                         // U+20000

const std::string kWubi =
    "---\n...\n" + kZhong + "\tk\t100\n" + kZhong + "\tkhk\t90\n" + kZhong + "\tkh\t95\n" +
    kGuo + "\tl\t80\n" + kGuo + "\tlgyi\t70\n" + kChong + "\ttgjf\t60\n" + kFu + "\ttjt\t50\n" +
    kZhong + kGuo + "\tkhlg\t40\n" + kExtB + "\tgggg\t1\n" + kGuo + "\tLGYI\t1\n" +
    kGuo + "\tlgyi\t75\n";

const DictEntry* Find(const std::vector<DictEntry>& entries, const std::string& code,
                      const std::string& text) {
  for (const DictEntry& entry : entries)
    if (entry.code == code && entry.text == text) return &entry;
  return nullptr;
}

}  // namespace

TEST(WubiTables, FullCodeIsTheLongestCode) {
  const FullCodes full = WubiFullCodes(Parse(kWubi));
  EXPECT_EQ(full.at(kZhong), "khk");
  EXPECT_EQ(full.at(kGuo), "lgyi");
  EXPECT_EQ(full.count(kZhong + kGuo), 0u);  // phrases have no full code
}

TEST(WubiTables, EntriesDropsAndDuplicates) {
  const RimeDict wubi = Parse(kWubi);
  BuildStats stats;
  const SchemeTables zx = BuildZxTables(wubi, WubiFullCodes(wubi), stats);
  EXPECT_EQ(stats.read, 11u);
  EXPECT_EQ(stats.notGbk, 1u);
  EXPECT_EQ(stats.badCode, 1u);
  EXPECT_EQ(stats.duplicates, 1u);
  EXPECT_EQ(stats.converted, 8u);
  EXPECT_EQ(zx.entries.size(), 8u);
  const DictEntry* guo = Find(zx.entries, "lgyi", kGuoGbk);
  ASSERT_NE(guo, nullptr);
  EXPECT_EQ(guo->weight, 75.0);  // the larger weight of the duplicate kept
  EXPECT_NE(Find(zx.entries, "khlg", kZhongGbk + kGuoGbk), nullptr);
}

TEST(WubiTables, ReverseTableListsTheFullCodeFirst) {
  const RimeDict wubi = Parse(kWubi);
  BuildStats stats;
  const SchemeTables zx = BuildZxTables(wubi, WubiFullCodes(wubi), stats);
  EXPECT_EQ(zx.characterCodes.at(kZhongGbk), (std::vector<std::string>{"khk", "k", "kh"}));
  EXPECT_EQ(zx.characterCodes.at(kGuoGbk), (std::vector<std::string>{"lgyi", "l"}));
  EXPECT_EQ(zx.characterCodes.count(kZhongGbk + kGuoGbk), 0u);
}

TEST(PinyinTables, CharacterAndPhraseCodes) {
  const RimeDict wubi = Parse(kWubi);
  const FullCodes full = WubiFullCodes(wubi);
  const RimeDict pinyin = Parse("---\n...\n" + kZhong + "\tzhong\t500\n" + kChong +
                                "\tzhong\t300\n" + kChong + "\tchong\t200\n" + kFu +
                                "\tfu\t100\n" + kChong + kFu + "\tchong fu\t50\n" + kZhong +
                                kGuo + "\tzhong guo\t80\n");
  BuildStats stats;
  const SchemeTables sx = BuildSxTables(pinyin, full, stats);
  EXPECT_EQ(stats.converted, 6u);
  EXPECT_NE(Find(sx.entries, "vskk", kZhongGbk), nullptr);
  EXPECT_NE(Find(sx.entries, "vstf", kChongGbk), nullptr);
  EXPECT_NE(Find(sx.entries, "istf", kChongGbk), nullptr);
  // 重复 read chong fu: the phrase takes 重 under chong, not its more frequent zhong.
  const std::string chongfu =
      PhraseCodeFromCharacterCodes({"istf", "fu" + std::string("tt")}, CodeScheme::sx);
  EXPECT_EQ(chongfu, "isfut");
  EXPECT_NE(Find(sx.entries, chongfu, kChongGbk + "\xB8\xB4"), nullptr);
  // 中国: vskk + gokk? 国 has full code lgyi: go + l + i.
  EXPECT_NE(Find(sx.entries, "vsgoi", kZhongGbk + kGuoGbk), nullptr);
  // Each character under its syllable, and with its first shape letter, weighed by that
  // reading; phrases have no short codes.
  const auto weightOf = [&](const std::string& code, const std::string& text) {
    const DictEntry* entry = Find(sx.entries, code, text);
    return entry ? entry->weight : -1.0;
  };
  EXPECT_EQ(stats.shortCodes, 8u);
  EXPECT_EQ(weightOf("vs", kZhongGbk), 500);
  EXPECT_EQ(weightOf("vst", kChongGbk), 300);
  EXPECT_EQ(weightOf("is", kChongGbk), 200);
}

TEST(PinyinTables, ReverseTableListsTheMostFrequentReadingFirst) {
  const RimeDict wubi = Parse(kWubi);
  const RimeDict pinyin = Parse("---\n...\n" + kChong + "\tchong\t200\n" + kChong +
                                "\tzhong\t300\n" + kChong + kFu + "\tchong fu\t50\n");
  BuildStats stats;
  const SchemeTables sx = BuildSxTables(pinyin, WubiFullCodes(wubi), stats);
  EXPECT_EQ(sx.characterCodes.at(kChongGbk), (std::vector<std::string>{"vstf", "istf"}));
  EXPECT_EQ(sx.characterCodes.size(), 1u);  // phrases are not in the reverse table
}

TEST(PinyinTables, UnusableReadingsAndTextsAreDroppedAndCounted) {
  const RimeDict wubi = Parse(kWubi);
  const RimeDict pinyin = Parse("---\n...\n" + kZhong + "\tyong  0%\n" + kZhong + kGuo +
                                "\tzhong\t1\n" + kZhong + "\tzhong guo\t1\n" + kExtB +
                                "\tzhong\t1\n" + kZhong + "\tzhong\t1\n");
  BuildStats stats;
  const SchemeTables sx = BuildSxTables(pinyin, WubiFullCodes(wubi), stats);
  EXPECT_EQ(stats.read, 5u);
  EXPECT_EQ(stats.badReading, 3u);
  EXPECT_EQ(stats.notGbk, 1u);
  EXPECT_EQ(stats.converted, 1u);
  EXPECT_EQ(sx.entries.size(), 3u);  // with its two short codes
}

TEST(PinyinTables, LongPhrasesStayWithinEightLetters) {
  const RimeDict wubi = Parse(kWubi);
  std::string text, reading;
  for (int i = 0; i < 9; ++i) {
    text += kZhong;
    reading += i ? " zhong" : "zhong";
  }
  BuildStats stats;
  const SchemeTables sx =
      BuildSxTables(Parse("---\n...\n" + text + "\t" + reading + "\t1\n"), WubiFullCodes(wubi),
                    stats);
  ASSERT_EQ(sx.entries.size(), 1u);
  EXPECT_EQ(sx.entries[0].code, "vsvvvvvv");
}
