// The shipped dictionaries, installed by the real dictionary package and read through the
// module's own lookup, reverse lookup and phrase-code rule.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/ReverseLookup.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/Programs.h"

namespace {

DWORD RunPackage(const std::string& installDir) {
  // No trailing backslash in installDir: it would escape the closing quote.
  return RunAndWait("\"" + BesideThisProgram("lumatori.exe") + "\" \"" + installDir + "\"", 120000);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedDictionariesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    install = new TempFolder;
    ASSERT_EQ(RunPackage(install->Path().string()), 0u);
  }
  static void TearDownTestSuite() { delete install; }

  void UseScheme(CodeScheme scheme) {
    dictionaries = {install->File("lumatoridb\\"), scheme};
  }
  std::string PhraseCode(const std::string& phrase) { return ::PhraseCode(dictionaries, phrase); }
  // The display texts listed for code, in order.
  std::vector<std::string> Lookup(const std::string& code) {
    std::vector<std::string> texts;
    for (const std::string& record : LookupCandidates(code, dictionaries, {true, nullptr}).records) {
      texts.push_back(record.substr(1, RecordDisplayLength(std::string_view(record).substr(1))));
    }
    return texts;
  }
  void ExpectFirst(const std::string& code, const std::string& text) {
    const auto texts = Lookup(code);
    ASSERT_FALSE(texts.empty()) << code;
    EXPECT_EQ(texts.front(), text) << code;
  }
  void ExpectListed(const std::string& code, const std::string& text) {
    const auto texts = Lookup(code);
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << code;
  }

  static TempFolder* install;
  DictionarySet dictionaries;
};

TempFolder* ShippedDictionariesTest::install = nullptr;

TEST_F(ShippedDictionariesTest, ShapeSchemeOffersTheWubiCandidates) {
  UseScheme(CodeScheme::zx);
  ExpectFirst("k", "中");
  ExpectFirst("r", "的");
  ExpectFirst("wq", "你");
  ExpectListed("khlg", "中国");
  EXPECT_EQ(PhraseCode("中"), "khk");
  EXPECT_EQ(PhraseCode("中国"), "khlg");
}

// "," and ";" are zx code letters: each alone is the code of its Chinese mark, the sole
// candidate, which the engine commits at once.
TEST_F(ShippedDictionariesTest, ShapeSchemeCodesCommaAndSemicolonAsTheirChineseMarks) {
  UseScheme(CodeScheme::zx);
  EXPECT_EQ(Lookup(","), std::vector<std::string>{"，"});
  EXPECT_EQ(Lookup(";"), std::vector<std::string>{"；"});
}

TEST_F(ShippedDictionariesTest, SoundAndShapeCodesFollowThePhraseRule) {
  UseScheme(CodeScheme::sx);
  EXPECT_EQ(PhraseCode("中"), "vskk") << "zhong in Ziranma, then 中's first and last Wubi letters";
  ExpectFirst(PhraseCode("中"), "中");
  ExpectFirst(PhraseCode("的"), "的");
  ExpectFirst("de", "的");  // a syllable's most frequent character first
  const std::string phrase = PhraseCode("中国");
  EXPECT_EQ(phrase.size(), 5u);
  ExpectFirst(phrase, "中国");
  ExpectListed(PhraseCode("我们"), "我们");
}

TEST_F(ShippedDictionariesTest, ReinstallingKeepsTheUserDictionaryAndRenewsSystemFiles) {
  // The package replaces the system files, which Windows refuses while the lookups of the
  // tests before hold them: as after the idle close.
  CloseHeldConnections();
  const std::string dir = install->File("lumatoridb\\");
  const std::string systemFile = dir + "lmtsys_k.db";
  const std::string shipped = ReadFile(systemFile);
  ASSERT_FALSE(shipped.empty());
  // The user's own phrases, in a sound user dictionary: a damaged one is moved aside.
  DeleteFileA((dir + "lmtsys_User.db").c_str());
  MakeDictionary(dir + "lmtsys_User.db", {"create table lmt_sx(mbcode text, hzcode text)",
                                          "create table lmt_zx(mbcode text, hzcode text)",
                                          "insert into lmt_zx values('wd','我的')"});
  const std::string userBytes = ReadFile(dir + "lmtsys_User.db");
  std::ofstream(systemFile, std::ios::binary) << "damaged";

  ASSERT_EQ(RunPackage(install->Path().string()), 0u);
  EXPECT_EQ(ReadFile(dir + "lmtsys_User.db"), userBytes);
  EXPECT_EQ(ReadFile(systemFile), shipped);
}

}  // namespace
