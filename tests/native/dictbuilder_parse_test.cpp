// Reading Rime dictionary files: header, columns, comments, weights, malformed files.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/dictbuilder/InputError.h"
#include "tools/dictbuilder/RimeDict.h"

using namespace dictbuilder;

namespace {

RimeDict Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseRimeDict(in, "t.dict.yaml");
}

std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const InputError& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(RimeDictParse, ReadsRowsAfterTheHeaderAndSkipsComments) {
  const RimeDict dict = Parse(
      "# comment before\n---\nname: x\ncolumns:\n  - text\n  - code\n  - weight\n  - stem\n"
      "...\n\n"
      "\xE5\xB7\xA5\ta\t99454797\taa\n"
      "#\xE5\xAD\x90\tb\t1\n"
      "\xE5\xBC\x8F\taa\t71453053\r\n"
      "\xE4\xB8\xAD\tkhk\n");
  ASSERT_EQ(dict.rows.size(), 3u);
  EXPECT_EQ(dict.rows[0].text, "\xE5\xB7\xA5");
  EXPECT_EQ(dict.rows[0].code, "a");
  EXPECT_EQ(dict.rows[0].weight, 99454797.0);
  EXPECT_EQ(dict.rows[0].line, 11);
  EXPECT_EQ(dict.rows[1].code, "aa");  // CR of a CR LF line is not part of the weight
  EXPECT_EQ(dict.rows[2].weight, 0.0);  // no weight given
}

TEST(RimeDictParse, FollowsTheDeclaredColumnOrder) {
  const RimeDict dict = Parse("---\ncolumns:\n  - code\n  - text\n...\nzhong\t\xE4\xB8\xAD\n");
  ASSERT_EQ(dict.rows.size(), 1u);
  EXPECT_EQ(dict.rows[0].code, "zhong");
  EXPECT_EQ(dict.rows[0].text, "\xE4\xB8\xAD");
}

TEST(RimeDictParse, ReadsPercentagesAndDecimalsAsNumbers) {
  const RimeDict dict = Parse("---\n...\n\xE4\xB8\x81\tding\t99.93%\n\xE4\xB8\x81\tzheng\t0%\n"
                              "\xE4\xB8\x87\twan\t2.5\n");
  ASSERT_EQ(dict.rows.size(), 3u);
  EXPECT_DOUBLE_EQ(dict.rows[0].weight, 99.93);
  EXPECT_DOUBLE_EQ(dict.rows[1].weight, 0.0);
  EXPECT_DOUBLE_EQ(dict.rows[2].weight, 2.5);
}

TEST(RimeDictParse, AcceptsAFileWithoutHeader) {
  const RimeDict dict = Parse("# only comments\n\xE4\xB8\xAD\tzhong\t5\n");
  ASSERT_EQ(dict.rows.size(), 1u);
  EXPECT_EQ(dict.rows[0].line, 2);
}

TEST(RimeDictParse, EmptyFileHasNoRows) {
  EXPECT_TRUE(Parse("").rows.empty());
  EXPECT_TRUE(Parse("---\nname: x\n...\n").rows.empty());
}

TEST(RimeDictParse, MalformedFilesFailWithFileAndLine) {
  EXPECT_EQ(ErrorOf("---\n...\n\xE4\xB8\xAD khk\n"), "t.dict.yaml:3: entry without code");
  EXPECT_EQ(ErrorOf("---\n...\n\xE4\xB8\xAD\tkhk\tmany\n"),
            "t.dict.yaml:3: weight \"many\" is not a number or percentage");
  EXPECT_EQ(ErrorOf("---\n...\n\xE4\xB8\xAD\tkhk\t1\ts\textra\n"),
            "t.dict.yaml:3: more fields than the 3 columns");
  EXPECT_EQ(ErrorOf("---\n...\n\tkhk\n"), "t.dict.yaml:3: entry without text");
  EXPECT_EQ(ErrorOf("---\n...\n\xE4\xB8\tkhk\n"), "t.dict.yaml:3: text is not valid UTF-8");
  EXPECT_EQ(ErrorOf("---\nname: x\n\xE4\xB8\xAD\tkhk\n"),
            "t.dict.yaml:3: the header has no closing \"...\" line");
  EXPECT_EQ(ErrorOf("---\ncolumns:\n  - text\n  - reading\n...\n"),
            "t.dict.yaml:4: unknown column \"reading\" in the header");
  EXPECT_EQ(ErrorOf("---\n...\n\xE4\xB8\xAD\t\t1\n"), "t.dict.yaml:3: entry without code");
}

TEST(RimeDictParse, MissingFileFails) {
  EXPECT_THROW(ReadRimeDict("/nonexistent/dir/x.dict.yaml"), InputError);
}
