// Choosing among the candidates the module's window shows, through the real input method
// manager: the apostrophe and period keys, paging in both orientations, and the automatic
// commit of a full sx code.
#include "tests/wine/support/CandidateWindowFixture.h"

namespace {

// "d" lists 一 to 九: the first page ends at 七, the second holds 八 and 九.
void PageThroughD() {
  TypeLetters("d");
  Press(VK_OEM_PLUS);  // "=": the next page
  Press(VK_SPACE);     // its first candidate
  TypeLetters("d");
  Press(VK_NEXT);
  Press(VK_OEM_MINUS);  // "-": back to the first page
  Press(VK_OEM_7);      // the apostrophe: the second candidate
  TypeLetters("d");
  Press(VK_NEXT);
  Press(VK_PRIOR);
  Press(VK_OEM_PERIOD);  // the period: the third candidate
}

TEST_F(CandidateWindowTest, ApostropheAndPeriodCommitTheSecondAndThird) {
  TypeLetters("a");
  Press(VK_OEM_7);
  EXPECT_EQ(Text(), L"\u6587");  // 文
  TypeLetters("ab");
  Press(VK_OEM_7);
  TypeLetters("a");
  Press(VK_OEM_PERIOD);
  EXPECT_EQ(Text(), L"\u6587\u4E2D\u5348\u4E2D\u6587");  // 文 中午 中文
}

TEST_F(CandidateWindowTest, PagingInTheVerticalWindow) {
  UseLayout(true);
  PageThroughD();
  EXPECT_EQ(Text(), L"\u516B\u4E8C\u4E09");  // 八 二 三
}

TEST_F(CandidateWindowTest, PagingInTheHorizontalWindow) {
  UseLayout(false);
  PageThroughD();
  EXPECT_EQ(Text(), L"\u516B\u4E8C\u4E09");
}

TEST_F(CandidateWindowTest, NinthLetterOfAFullSxCodeCommitsTheFirstCandidate) {
  SetDword(kSettingsKeyPath, "声型", 1);
  TypeLetters("abcdefgh");
  EXPECT_EQ(Text(), L"abcdefgh") << "eight letters stay a code";
  TypeLetters("a");  // commits 东 and starts a new code with the letter, shown after it
  EXPECT_EQ(Text(), L"\u4E1Ca");
  Press(VK_SPACE);  // the new code's list is up: its first candidate
  EXPECT_EQ(Text(), L"\u4E1C\u4E1C");
}

}  // namespace
