// What the engine makes of a lookup: the list and its buffers, the found count, how far the
// code may grow, the search text of a single candidate, and the beeps.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ime/engine/CandidateFill.h"
#include "tests/native/engine_core_harness.h"
#include "tests/native/RepeatedText.h"

namespace {

using Texts = std::vector<std::string>;

class LookupDecisionTest : public testing::Test {
protected:
  explicit LookupDecisionTest(const std::vector<DictionaryFileRows>& files =
                                  {{"lmtsys_a.db", "lmt_sx",
                                    {{"工", "a"}, {"式", "aa"}, {"甲", "abcdefgh"},
                                     {"乙", "abcdefgh"}, {"丙", "abcdefgi"}}},
                                   {"lmtsys_b.db", "lmt_sx",
                                    {{"a" + Repeat("中", 40), "bbc"}, {Repeat("中", 40), "bc"}}}})
      : input(files, CodeScheme::sx) {}

  // Writes code into the composition as typed, with the cursor after it, and looks it up.
  Texts Lookup(const std::string& code, std::uint32_t cursor = UINT32_MAX) {
    COMPOSITIONSTRING* composition = input.Composition();
    char* buffer = reinterpret_cast<char*>(composition) + composition->dwCompStrOffset;
    std::memcpy(buffer, code.c_str(), code.size() + 1);
    composition->dwCompStrLen = static_cast<std::uint32_t>(code.size());
    composition->dwCursorPos = std::min<std::uint32_t>(cursor, composition->dwCompStrLen);
    EngineCall call = input.Call();
    ListCandidates(call, input.List());
    beeps = call.beeps;
    return input.Records();
  }

  CoreContext input;
  const InputFacts& facts = input.record.facts;
  int beeps = 0;
};

TEST_F(LookupDecisionTest, FoundCandidatesLetTheCodeGrowToItsFullLength) {
  EXPECT_EQ(Lookup("a"), (Texts{"0工", "0式\ra\r", "0甲\rbcdefgh\r", "0乙\rbcdefgh\r",
                                "0丙\rbcdefgi\r"}));
  EXPECT_EQ(facts.foundCount, 5u);
  EXPECT_EQ(facts.codeLengthLimit, 8);
  EXPECT_EQ(facts.searchTextFollowsList, 1);
  EXPECT_EQ(input.List()->dwSelection, 0u);
  EXPECT_EQ(beeps, 0);
}

TEST_F(LookupDecisionTest, NothingFoundBeepsAndHoldsTheCodeAtItsLength) {
  EXPECT_TRUE(Lookup("ax").empty());
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(facts.foundCount, 0u);
  EXPECT_EQ(facts.codeLengthLimit, 2);
  Lookup("a");
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(facts.codeLengthLimit, 8);
}

TEST_F(LookupDecisionTest, AFullCodeThatIsStillAmbiguousBeeps) {
  EXPECT_EQ(Lookup("abcdefgh").size(), 2u);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Lookup("abcdefgi").size(), 1u);
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(Lookup("abcdefg").size(), 3u);
  EXPECT_EQ(beeps, 0);
}

TEST_F(LookupDecisionTest, OneCandidateBecomesTheSearchText) {
  const Texts records = Lookup("bbc");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0], "0a" + Repeat("中", 31));
  EXPECT_EQ(facts.searchTextFollowsList, 0);
  EXPECT_STREQ(facts.searchText, ("a" + Repeat("中", 31)).c_str());
  Lookup("bc");
  // At most 63 bytes without splitting a character: 31 characters.
  EXPECT_STREQ(facts.searchText, Repeat("中", 31).c_str());
}

TEST_F(LookupDecisionTest, AnEmptyCodeChangesNothing) {
  Lookup("a");
  Lookup("");
  EXPECT_EQ(input.List()->dwCount, 5u);
  EXPECT_EQ(facts.foundCount, 5u);
}

TEST_F(LookupDecisionTest, OnlyTheCursorsPartOfTheCompositionIsLookedUp) {
  EXPECT_EQ(Lookup("aa", 1).size(), 5u);
}

// The list's buffers hold the records with zeroes after them, whatever they held before.
TEST_F(LookupDecisionTest, RecordsFillTheirBuffersWithZeroes) {
  Lookup("abcdefg");
  Lookup("aa");
  const char* buffer = input.Pool()[0];
  EXPECT_STREQ(buffer, "0式");
  for (std::size_t i = 3; i < kCandidateRecordSize; ++i) EXPECT_EQ(buffer[i], 0) << i;
}

}  // namespace
