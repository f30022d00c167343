// Phrase lists as users bring them: the layouts and encodings read, the lines refused with
// their numbers, and files refused whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ime/dictionary/PhraseImportFile.h"

namespace {

struct Entry {
  std::size_t line;
  CodeScheme scheme;
  std::string text;
  std::string code;
  bool operator==(const Entry& other) const {
    return line == other.line && scheme == other.scheme && text == other.text &&
           code == other.code;
  }
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
  return out << e.line << (e.scheme == CodeScheme::sx ? " sx " : " zx ") << e.text << " "
             << e.code;
}

std::vector<Entry> Entries(const ParsedImport& parsed) {
  std::vector<Entry> entries;
  for (const ImportEntry& e : parsed.entries) entries.push_back({e.line, e.scheme, e.text, e.code});
  return entries;
}

using Errors = std::vector<std::pair<std::size_t, ImportLineFault>>;

Errors ErrorsOf(const ParsedImport& parsed) {
  Errors errors;
  for (const ImportLineError& e : parsed.errors) errors.emplace_back(e.line, e.fault);
  return errors;
}

std::string Utf16Bytes(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace

TEST(PhraseFileTest, EachLayoutGivesItsPhrasesCodesAndSchemes) {
  // GBK text (the literals), as a list written by an older tool.
  const ParsedImport parsed = ParseImportFile(
      "# 导出的词组\r\n"
      "中国人\tkhw\tzx\r\n"
      "\r\n"
      "中华\tzhhu\tsx\r\n"
      "马路\tcgkh\n"
      "  wqvb 你好 您好\n"
      "路马托里\n",
      CodeScheme::zx);
  EXPECT_EQ(parsed.fault, ImportFileFault::kNone);
  EXPECT_EQ(Entries(parsed), (std::vector<Entry>{{2, CodeScheme::zx, "中国人", "khw"},
                                                 {4, CodeScheme::sx, "中华", "zhhu"},
                                                 {5, CodeScheme::zx, "马路", "cgkh"},
                                                 {6, CodeScheme::zx, "你好", "wqvb"},
                                                 {6, CodeScheme::zx, "您好", "wqvb"},
                                                 {7, CodeScheme::zx, "路马托里", ""}}));
  EXPECT_TRUE(parsed.errors.empty());
}

TEST(PhraseFileTest, EveryEncodingReadsTheSamePhrases) {
  const std::vector<Entry> expected = {{1, CodeScheme::sx, "中国", "zggo"},
                                       {2, CodeScheme::sx, "语言", ""}};
  const std::string utf8 = u8"中国\tZGGO\n语言";
  const std::u16string utf16 = u"中国\tZGGO\r\n语言";
  for (const std::string& file :
       {std::string("中国\tzggo\n语言"), utf8, "\xEF\xBB\xBF" + utf8, Utf16Bytes(utf16, false),
        Utf16Bytes(utf16, true)}) {
    const ParsedImport parsed = ParseImportFile(file, CodeScheme::sx);
    EXPECT_EQ(parsed.fault, ImportFileFault::kNone);
    EXPECT_EQ(Entries(parsed), expected) << file;
    EXPECT_TRUE(parsed.errors.empty());
  }
  // Two GBK characters whose bytes are also valid UTF-8 (of two Latin-range letters).
  EXPECT_EQ(Entries(ParseImportFile("\xD6\xD0\xCE\xC4\tab", CodeScheme::zx)),
            (std::vector<Entry>{{1, CodeScheme::zx, "中文", "ab"}}));
}

TEST(PhraseFileTest, InvalidLinesAreReportedWithTheirNumbers) {
  const std::string longPhrase(66, 'x');
  const std::string file = u8"中国\tkh\n"
                           u8"😀笑\txxx\n" +
                           longPhrase + u8"\tab\n" +
                           u8"中国\tk1\n"
                           u8"中国\tkhwkh\n"
                           u8"中国\tzhongguo\tsx\n"
                           u8"中国\tkh\twb\n"
                           u8"中国\tkh\tzx\t1\n"
                           u8"hello\n" +
                           std::string(kMaxImportLineBytes + 1, 'a') + "\n" + u8"国\tl\n";
  const ParsedImport parsed = ParseImportFile(file, CodeScheme::zx);
  EXPECT_EQ(parsed.fault, ImportFileFault::kNone);
  EXPECT_EQ(Entries(parsed), (std::vector<Entry>{{1, CodeScheme::zx, "中国", "kh"},
                                                 {6, CodeScheme::sx, "中国", "zhongguo"},
                                                 {11, CodeScheme::zx, "国", "l"}}));
  EXPECT_EQ(ErrorsOf(parsed), (Errors{{2, ImportLineFault::kNotGbk},
                                      {3, ImportLineFault::kPhraseTooLong},
                                      {4, ImportLineFault::kBadCode},
                                      {5, ImportLineFault::kBadCode},
                                      {7, ImportLineFault::kUnknownScheme},
                                      {8, ImportLineFault::kUnknownLayout},
                                      {9, ImportLineFault::kNoCode},
                                      {10, ImportLineFault::kLineTooLong}}));
}

TEST(PhraseFileTest, HugeBinaryAndEndlessFilesEndWithAFaultAndNoPhrase) {
  const ParsedImport huge =
      ParseImportFile(std::string(kMaxImportFileBytes + 1, 'a'), CodeScheme::zx);
  EXPECT_EQ(huge.fault, ImportFileFault::kTooLarge);
  EXPECT_TRUE(huge.entries.empty());

  std::string junk;
  for (unsigned k = 0; k < 4096; ++k) junk += static_cast<char>((k * 2654435761u) >> 24);
  const ParsedImport binary = ParseImportFile(junk, CodeScheme::zx);
  EXPECT_EQ(binary.fault, ImportFileFault::kNotText);
  EXPECT_TRUE(binary.entries.empty());
  // Junk without control bytes that is neither UTF-8 nor GBK, and UTF-16 of odd length.
  EXPECT_EQ(ParseImportFile("\x80\x81\xFF", CodeScheme::zx).fault, ImportFileFault::kNotText);
  EXPECT_EQ(ParseImportFile("\xFF\xFE\x41", CodeScheme::zx).fault, ImportFileFault::kNotText);

  std::string endless(kMaxImportFileBytes, '\xB0');
  const ParsedImport line = ParseImportFile(endless, CodeScheme::zx);
  EXPECT_EQ(line.fault, ImportFileFault::kNone);
  EXPECT_TRUE(line.entries.empty());
  EXPECT_EQ(ErrorsOf(line), (Errors{{1, ImportLineFault::kLineTooLong}}));
}
