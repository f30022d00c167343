// What the engine makes of a lookup: the found count, the code-length limit, the search
// text and the beeps.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/CandidateFill.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"
#include "tests/wine/lookup_wine_support.h"
#include "tests/wine/support/BeepCounter.h"

namespace {

using Texts = std::vector<std::string>;

class LookupTest : public ::testing::Test {
protected:
  void System(const std::string& first, const std::vector<DictionaryRow>& rows,
              const std::string& table = "lmt_sx") {
    AddDictionaryTable(dir.File("lmtsys_" + first + ".db"), table, rows);
  }
  void User(const std::vector<DictionaryRow>& rows, const std::string& table = "lmt_sx") {
    AddDictionaryTable(dir.File("lmtsys_User.db"), table, rows);
  }
  Texts Lookup(const std::string& code) {
    blocks.Type(code);
    ListCandidates(blocks.composition, blocks.list);
    return blocks.Records();
  }

  DictionaryDir dir;
  ContextBlocks blocks;
};

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace

TEST_F(LookupTest, ListsShorterCodesFirstWithUserRowsMerged) {
  System("a", {{"式", "aa"}, {"工", "a"}, {"东", "ac"}, {"戈", "ab"}, {"花", "b"}, {"长", "abcd"}});
  User({{"啊", "ab"}, {"我的", "a"}, {"别", "ba"}});
  EXPECT_EQ(Lookup("a"), (Texts{"1我的", "0工", "0式\ra\r", "1啊\rb\r", "0戈\rb\r",
                                "0东\rc\r", "0长\rbcd\r"}));
  EXPECT_EQ(engine.foundCount, 7u);
  EXPECT_EQ(engine.codeLengthLimit, 8);
  EXPECT_EQ(engine.searchTextFollowsList, 1);
  EXPECT_EQ(blocks.list->dwSelection, 0u);

  EXPECT_EQ(Lookup("ab"), (Texts{"1啊", "0戈", "0长\rcd\r"}));
}

TEST_F(LookupTest, OneCandidateBecomesTheSearchText) {
  System("a", {{"a" + Repeat("中", 40), "abc"}});
  User({});
  const Texts records = Lookup("abc");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0], "0a" + Repeat("中", 31));
  EXPECT_EQ(engine.searchTextFollowsList, 0);
  EXPECT_EQ(std::string(engine.searchText), "a" + Repeat("中", 31));

  System("b", {{Repeat("中", 40), "b"}});
  Lookup("b");
  // At most 63 bytes without splitting a character: 31 characters.
  EXPECT_EQ(std::string(engine.searchText), Repeat("中", 31));
}

TEST_F(LookupTest, BeepsWhenNothingIsFound) {
  System("a", {{"工", "a"}});
  User({});
  BeepCounter beeps;
  ASSERT_EQ(beeps.Count(), 0);
  EXPECT_TRUE(Lookup("ax").empty());
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(engine.foundCount, 0u);
  EXPECT_EQ(engine.codeLengthLimit, 2);
  Lookup("a");
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(engine.codeLengthLimit, 8);
}

TEST_F(LookupTest, BeepsWhenAFullCodeIsStillAmbiguous) {
  System("a", {{"甲", "abcdefgh"}, {"乙", "abcdefgh"}, {"丙", "abcdefgi"}});
  User({});
  BeepCounter beeps;
  EXPECT_EQ(Lookup("abcdefgh").size(), 2u);
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(Lookup("abcdefgi").size(), 1u);
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(Lookup("abcdefg").size(), 3u);
  EXPECT_EQ(beeps.Count(), 1);
}

// The user dictionary is the file a user may lose or break: the system candidates and
// associations still come, the lookup tells that the user's file could not be read, and a
// missing file is not made anew (the dictionary package would keep an empty one).

TEST_F(LookupTest, AnEmptyCodeChangesNothing) {
  engine.foundCount = 5;
  blocks.list->dwCount = 3;
  ListCandidates(blocks.composition, blocks.list);
  EXPECT_EQ(blocks.list->dwCount, 3u);
  EXPECT_EQ(engine.foundCount, 5u);
}

TEST_F(LookupTest, OnlyTheCursorsPartOfTheCompositionIsLookedUp) {
  System("a", {{"工", "a"}, {"式", "ab"}});
  User({});
  blocks.Type("ab");
  blocks.composition->dwCursorPos = 1;
  ListCandidates(blocks.composition, blocks.list);
  EXPECT_EQ(blocks.Records(), (Texts{"0工", "0式\rb\r"}));
}

TEST(TraditionalConversion, FallsBackToTheTableWhereTheSystemDoesNothing) {
  EXPECT_EQ(ToTraditional("中国发展 abc"), "中國發展 abc");
  EXPECT_EQ(ToSimplified("中國發展"), "中国发展");
  EXPECT_EQ(ToTraditional(""), "");
}
