// The characters of a phrase, their codes from the reverse table, and the phrase's code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ime/dictionary/PhraseCharacters.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

using Strings = std::vector<std::string>;
using Positions = std::vector<std::size_t>;

class PhraseCodeTest : public ::testing::Test {
protected:
  PhraseCodeTest() : odd(folder.File("lmtsys_ODD.db")) {
    AddDictionaryTable(odd, "odd_sx", {{"中", "zhon"}, {"华", "huar"}, {"人", "renx"},
                                       {"民", "minb"}, {"共", "gong"}, {"和", "hehe"},
                                       {"国", "guoy"}, {"中", "zzzz"}});
    AddDictionaryTable(odd, "odd_zx", {{"中", "khk"}, {"华", "wxf"}, {"人", "w"},
                                       {"民", "nav"}, {"共", "aw"}, {"和", "tkg"}});
  }

  TempFolder folder;
  std::string odd;
};

}  // namespace

TEST(ScanPhrase, ListsDistinctCharactersAndTheirPositions) {
  const PhraseCharacters scan = ScanPhrase("中a国中");
  EXPECT_EQ(scan.distinct, (Strings{"中", "国"}));
  EXPECT_EQ(scan.positions, (Positions{0, 1, 0}));
  EXPECT_EQ(scan.condition, " hzcode='中'  or hzcode='国'  or hzcode='中' ");
}

TEST(ScanPhrase, TakesTrailBytesBelow0x80WithTheirLeadByte) {
  const PhraseCharacters scan = ScanPhrase("\x81\x40z\xD6");
  EXPECT_EQ(scan.distinct, (Strings{"\x81\x40"}));
  EXPECT_EQ(scan.positions, (Positions{0}));
}

TEST(ScanPhrase, FindsNothingInSingleByteText) {
  const PhraseCharacters scan = ScanPhrase("abc'; --");
  EXPECT_TRUE(scan.condition.empty());
  EXPECT_TRUE(scan.distinct.empty());
}

TEST_F(PhraseCodeTest, NoDoubleByteCharacterOpensNoDatabase) {
  const std::string nowhere = folder.File("missing-dir/lmtsys_ODD.db");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase(""), nowhere, CodeScheme::sx), "");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("abc"), nowhere, CodeScheme::sx), "");
  EXPECT_THROW(DerivePhraseCode(ScanPhrase("中"), nowhere, CodeScheme::sx), ESQLiteException);
}

TEST_F(PhraseCodeTest, OneCharacterGivesItsWholeCodeAndTheFirstRowWins) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中"), odd, CodeScheme::sx), "zhon");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中"), odd, CodeScheme::zx), "khk");
}

TEST_F(PhraseCodeTest, TwoAndThreeCharacters) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华"), odd, CodeScheme::sx), "zhhur");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华"), odd, CodeScheme::zx), "khwx");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华人"), odd, CodeScheme::sx), "zhhrex");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华人"), odd, CodeScheme::zx), "kww");
}

TEST_F(PhraseCodeTest, FiveCharacters) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华人民共"), odd, CodeScheme::sx), "zhhrmg");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中华人民共"), odd, CodeScheme::zx), "kwww");
}

TEST_F(PhraseCodeTest, RepeatedCharactersShareTheirCode) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("人人"), odd, CodeScheme::sx), "rerex");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("和a和"), odd, CodeScheme::zx), "tktk");
}

TEST_F(PhraseCodeTest, ACharacterWithoutARowStandsForItsOwnCode) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("啊"), odd, CodeScheme::sx), "啊");
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中啊"), odd, CodeScheme::zx), "kh啊");
}

TEST_F(PhraseCodeTest, QuotesInAPhraseCannotChangeTheStatement) {
  EXPECT_EQ(DerivePhraseCode(ScanPhrase("中' or 1=1 --"), odd, CodeScheme::sx), "zhon");
}
