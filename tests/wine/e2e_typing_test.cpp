// Typing through the real input method manager into an EDIT control.
#include "tests/wine/support/TypingFixture.h"

namespace {

TEST_F(TypingTest, EnterCommitsTheTypedLetters) {
  TypeLetters("ab");  // Wine's EDIT shows the composition inline until the commit
  Press(VK_RETURN);
  EXPECT_EQ(Text(), L"ab");
  TypeLetters("a");
  Press(VK_RETURN);
  EXPECT_EQ(Text(), L"aba");
}

// Space and the digits pick from the rows the candidate window drew, so these need the
// module's UI and candidate windows on the typing thread.
TEST_F(TypingTest, SpaceAndDigitsCommitCandidates) {
  TypeLetters("a");
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"\u4E2D");  // 中, the first candidate of "a"
  TypeLetters("a");
  Press('2');
  EXPECT_EQ(Text(), L"\u4E2D\u6587");  // 文, the second
  TypeLetters("ab");
  Press(VK_SPACE);
  TypeLetters("ab");
  Press('2');
  EXPECT_EQ(Text(), L"\u4E2D\u6587\u4E2D\u6587\u4E2D\u5348");  // 中文, then 中午
  TypeLetters("a");
  Press('6');  // beyond the five candidates of "a": nothing is committed
  Press(VK_RETURN);
  EXPECT_EQ(Text(), L"\u4E2D\u6587\u4E2D\u6587\u4E2D\u5348a");
}

TEST_F(TypingTest, SoleCandidateCommitsWithTheLetterCompletingIt) {
  TypeLetters("ac");
  EXPECT_EQ(Text(), L"\u6587\u5B57");  // 文字
}

// Without the user dictionary the system candidates still come, and the user is told once,
// by a balloon that leaves the focus in the control.
TEST_F(TypingTest, WithoutTheUserDictionaryTypingGoesOnAndTheUserIsToldOnce) {
  ASSERT_TRUE(DeleteFileA(install_.File("lumatoridb\\lmtsys_User.db").c_str()));
  TypeLetters("a");
  HWND notice = FindWindowA(nullptr, "hint");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(IsWindowVisible(notice));
  EXPECT_EQ(GetFocus(), edit_);
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"\u4E2D");  // 中
  ShowWindow(notice, SW_HIDE);  // as it hides by itself after a while
  TypeLetters("ab");
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"\u4E2D\u4E2D\u6587");  // 中中文
  EXPECT_FALSE(IsWindowVisible(notice));
}

TEST_F(TypingTest, ChinesePunctuationPairsQuotesAndAngles) {
  SetMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  for (int i = 0; i < 3; ++i) Press(VK_OEM_7, true);  // "
  Press(VK_OEM_COMMA, true);                          // <
  Press(VK_OEM_COMMA, true);
  Press(VK_OEM_PERIOD, true);  // >
  Press(VK_OEM_PERIOD, true);
  Press(VK_OEM_MINUS, true);  // _
  Press(VK_OEM_PERIOD);
  EXPECT_EQ(Text(), L"\u201C\u201D\u201C\u300A\u3008\u3009\u300B\u2014\u2014\u3002");
}

TEST_F(TypingTest, FullWidthOutput) {
  SetMode(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE);
  Press('3', true);  // #
  Press('1');
  Press(VK_SPACE);
  Press('A', true);
  EXPECT_EQ(Text(), L"\uFF03\uFF11\u3000\uFF21");
}

TEST_F(TypingTest, CapsLockSwitchesToEnglishAndBack) {
  Press(VK_CAPITAL);
  TypeLetters("ab");
  EXPECT_EQ(Text(), L"AB");
  Press(VK_CAPITAL);
  TypeLetters("a");
  Press(VK_RETURN);
  EXPECT_EQ(Text(), L"ABa");
}

TEST_F(TypingTest, BackspaceReachesTheApplicationAfterTheCodeIsGone) {
  SetWindowTextW(edit_, L"xy");
  SendMessageW(edit_, EM_SETSEL, 2, 2);
  TypeLetters("a");
  Press(VK_BACK);  // deletes the code letter
  EXPECT_EQ(Text(), L"xy");
  Press(VK_BACK);  // ends the empty composition and reaches the control
  EXPECT_EQ(Text(), L"x");
}

}  // namespace
