// Candidates committed by a left click on the module's candidate window, through the real
// input method manager, in both orientations of the window.
#include "tests/wine/support/CandidateWindowFixture.h"

namespace {

// "a" lists 中 and 文 first (see the fixture's dictionary).
const std::vector<std::string> kFirstRowsOfA = {"中", "文"};

TEST_F(CandidateWindowTest, LeftClickOnAVerticalRowCommitsItsCandidate) {
  UseLayout(true);
  TypeLetters("a");
  ASSERT_NE(CandidateWindow(), nullptr);
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 1)));
  EXPECT_EQ(Text(), L"\u6587");  // 文, the second row
  // The composition is over: a new code starts afresh and commits from its first row.
  TypeLetters("a");
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 0)));
  EXPECT_EQ(Text(), L"\u6587\u4E2D");
}

TEST_F(CandidateWindowTest, LeftClickOnAHorizontalRowCommitsItsCandidate) {
  UseLayout(false);
  TypeLetters("a");
  ASSERT_NE(CandidateWindow(), nullptr);
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 1)));
  EXPECT_EQ(Text(), L"\u6587");
}

}  // namespace
