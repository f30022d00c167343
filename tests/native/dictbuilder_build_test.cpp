// A whole build from small input files: the files written, the report, the documents and
// list files, and a malformed input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/native/KeyedDatabaseFiles.h"
#include "tools/dictbuilder/BuildDictionaries.h"
#include "tools/dictbuilder/InputError.h"

using namespace dictbuilder;

namespace {

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct SmallBuild {
  TempFolder folder;
  BuildInputs inputs;
  SmallBuild(const std::string& wubi, const std::string& pinyin) {
    inputs.wubiPath = folder.File("wubi.dict.yaml");
    inputs.pinyinPath = folder.File("pinyin.dict.yaml");
    inputs.dictionaryDir = folder.File("lumatoridb");
    inputs.listDir = folder.File("");
    std::filesystem::create_directory(inputs.dictionaryDir);
    WriteFile(inputs.wubiPath, wubi);
    WriteFile(inputs.pinyinPath, pinyin);
  }
};

// 中 khk / k, 国 lgyi / l, 中国 khlg; readings zhong, guo, zhong guo.
const std::string kWubi =
    "---\n...\n\xE4\xB8\xAD\tk\t9\n\xE4\xB8\xAD\tkhk\t8\n\xE5\x9B\xBD\tl\t7\n"
    "\xE5\x9B\xBD\tlgyi\t6\n\xE4\xB8\xAD\xE5\x9B\xBD\tkhlg\t5\n\xF0\xA0\x80\x80\tgggg\t1\n";
const std::string kPinyin =
    "---\n...\n\xE4\xB8\xAD\tzhong\t9\n\xE5\x9B\xBD\tguo\t8\n"
    "\xE4\xB8\xAD\xE5\x9B\xBD\tzhong guo\t7\n\xE4\xB8\xAD\tng\t1\n";

}  // namespace

TEST(Build, WritesEveryFileAndCounts) {
  SmallBuild build(kWubi, kPinyin);
  const BuildReport report = BuildDictionaries(build.inputs);
  // "," and ";" hold the zx codes of the Chinese comma and semicolon.
  EXPECT_EQ(report.files,
            (std::vector<std::string>{"lmtsys_,.db", "lmtsys_;.db", "lmtsys_g.db", "lmtsys_k.db",
                                      "lmtsys_l.db", "lmtsys_v.db", "lmtsys_User.db",
                                      "lmtsys_ODD.db", "sxzd.txt", "zxzd.txt"}));
  for (const std::string& name : report.files)
    EXPECT_TRUE(std::filesystem::exists(build.inputs.dictionaryDir + "/" + name)) << name;
  EXPECT_EQ(report.zx.read, 6u);
  EXPECT_EQ(report.zx.converted, 5u);
  EXPECT_EQ(report.zx.notGbk, 1u);
  EXPECT_EQ(report.sx.read, 4u);
  EXPECT_EQ(report.sx.converted, 3u);
  EXPECT_EQ(report.sx.badReading, 1u);
  EXPECT_EQ(FormatStats("sx", "p", report.sx),
            "sx from p: read 4, converted 3, dropped 1 (not in GBK 0, code outside the scheme 0, "
            "unusable reading 1), duplicates merged 0, syllable short codes 4\n");
}

TEST(Build, CodeLookupDocumentsAreGbkLinesOfCharacterAndCodes) {
  SmallBuild build(kWubi, kPinyin);
  BuildDictionaries(build.inputs);
  const std::string zx = ReadFile(build.inputs.dictionaryDir + "/zxzd.txt");
  EXPECT_NE(zx.find("\r\n\xD6\xD0\tkhk\tk\r\n"), std::string::npos);
  EXPECT_NE(zx.find("\r\n\xB9\xFA\tlgyi\tl\r\n"), std::string::npos);
  EXPECT_LT(zx.find("\xD6\xD0\tkhk"), zx.find("\xB9\xFA\tlgyi"));  // in code order
  const std::string sx = ReadFile(build.inputs.dictionaryDir + "/sxzd.txt");
  EXPECT_NE(sx.find("\r\n\xD6\xD0\tvskk\r\n"), std::string::npos);
  EXPECT_NE(sx.find("\r\n\xB9\xFA\tgoli\r\n"), std::string::npos);
  EXPECT_EQ(sx.find("\xD6\xD0\xB9\xFA"), std::string::npos);  // characters only
}

TEST(Build, ListFilesAreIniSectionsWithLinks) {
  SmallBuild build(kWubi, kPinyin);
  BuildDictionaries(build.inputs);
  const std::string ad = ReadFile(build.inputs.listDir + "/adlist.ini");
  EXPECT_EQ(ad.rfind("[baseset]\r\ntimeout=8\r\n", 0), 0u);
  const std::string links = ReadFile(build.inputs.listDir + "/intlist.ini");
  EXPECT_NE(links.find("]\r\nlink=https://"), std::string::npos);
  for (const std::string& text : {ad, links}) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
      ASSERT_FALSE(line.empty());
      EXPECT_EQ(line.back(), '\r');
      line.pop_back();
      const bool section = !line.empty() && line.front() == '[' && line.back() == ']';
      const bool key = line.rfind("link=", 0) == 0 || line.rfind("timeout=", 0) == 0;
      EXPECT_TRUE(line.empty() || section || key) << line;
      if (line.rfind("link=", 0) == 0) {
        EXPECT_EQ(line.find('%'), std::string::npos) << "a link is sent unchanged: " << line;
      }
    }
  }
}

TEST(Build, MalformedInputStopsTheBuildWithFileAndLine) {
  SmallBuild build(kWubi, "---\n...\n\xE4\xB8\xAD\tzhong\tmany\n");
  try {
    BuildDictionaries(build.inputs);
    FAIL() << "no error";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()), build.inputs.pinyinPath + ":3: weight \"many\" is not "
                                         "a number or percentage");
  }
}
