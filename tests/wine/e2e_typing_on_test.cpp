// Typing code after code through the real input method manager into an EDIT: every way a
// commit happens, each followed by more typing, the keys that edit a full code, and the zx
// punctuation codes "," and ";".
#include "tests/wine/support/TypingFixture.h"

namespace {

class TypingOnTest : public TypingTest {
protected:
  void SetUp() override {
    TypingTest::SetUp();
    // Besides the fixture's codes: two full codes and a short code with two candidates
    // each, and the punctuation codes with their marks.
    AddZxRows('w', {{"你", "wqiy"}, {"亻", "wqiy"}});
    AddZxRows('k', {{"中国", "khlg"}, {"咖喱", "khlg"}});
    AddZxRows('g', {{"五", "gg"}, {"王", "gg"}});
    AddZxRows(',', {{"，", ","}});
    AddZxRows(';', {{"；", ";"}});
  }
};

TEST_F(TypingOnTest, CommittedTextComesOutInTypingOrder) {
  SetMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  TypeLetters("wqiy");
  TypeLetters("khlg");  // its first letter commits 你, the first candidate of the full code
  TypeLetters("gg");    // 中国 likewise
  Press(VK_SPACE);      // 五
  TypeLetters("gg");
  Press('2');           // 王
  TypeLetters("ac");    // 文字, the only candidate of "ac", as its last letter is typed
  TypeLetters("gg");
  Press(VK_RETURN);     // the letters themselves
  TypeLetters("gg");
  Press(VK_OEM_7);      // the apostrophe: the second candidate, 王
  TypeLetters("gg");
  Press(VK_OEM_COMMA);  // commits 五, then its own code: ，
  Press(VK_OEM_2, true);  // a punctuation key: ？
  TypeLetters("gg");
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"你中国五王文字gg王五，？五");
}

TEST_F(TypingOnTest, BackspaceAndEscOnAFullCodeEditIt) {
  TypeLetters("wqiy");
  Press(VK_BACK);
  EXPECT_EQ(Text(), L"wqi") << "the code shown in the control, one letter shorter";
  TypeLetters("y");
  Press(VK_ESCAPE);
  EXPECT_EQ(Text(), L"");
  TypeLetters("wqiy");
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"你");
}

// Whatever came before: nothing (no list drawn yet), a full code, part of a code, Esc,
// a commit.
TEST_F(TypingOnTest, CommaAndSemicolonTypeChinesePunctuationInZx) {
  Press(VK_OEM_COMMA);
  Press(VK_OEM_1);  // ;
  TypeLetters("wqiy");
  Press(VK_OEM_COMMA);
  TypeLetters("wq");
  Press(VK_OEM_1);
  TypeLetters("gg");
  Press(VK_ESCAPE);
  Press(VK_OEM_COMMA);
  TypeLetters("gg");
  Press(VK_SPACE);
  Press(VK_OEM_1);
  EXPECT_EQ(Text(), L"，；你，你；，五；");
}

// The marks of "," and ";" are typed in the key that opens their code's list: nothing of
// that list may stay up to take the digits, Space or Enter typed next.
TEST_F(TypingOnTest, DigitsAndSpaceFollowTheCommaAndSemicolonCodes) {
  Press(VK_OEM_COMMA);
  Press('1');
  Press('2');
  Press('3');
  TypeLetters("khlg");
  Press(VK_SPACE);
  Press(VK_OEM_COMMA);
  Press('2');
  Press('0');
  TypeLetters("khlg");
  Press(VK_SPACE);
  Press(VK_OEM_1);
  Press('1');
  TypeLetters("gg");
  Press(VK_SPACE);
  Press(VK_OEM_COMMA);
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"，123中国，20中国；1五， ");
}

// Right after a digit "." and "," stay as typed, for decimals and thousands; after anything
// else they are the Chinese marks (in zx "," by its code).
TEST_F(TypingOnTest, PeriodAndCommaRightAfterADigitStayAsTyped) {
  SetMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  for (WORD key : std::vector<WORD>{'3', VK_OEM_PERIOD, '1', '4', VK_OEM_COMMA, '0', '0', '0'})
    Press(key);
  TypeLetters("gg");
  Press(VK_SPACE);
  Press(VK_OEM_PERIOD);
  Press(VK_OEM_COMMA);
  Press('7');
  Press('1', true);  // !
  Press(VK_OEM_PERIOD);
  Press('2');
  Press(VK_SPACE);
  Press(VK_OEM_COMMA);
  EXPECT_EQ(Text(), L"3.14,000五。，7！。2 ，");
}

// The code length follows the scheme from start-up on, also where no status bar is drawn.
TEST_F(TypingOnTest, ZxCodesEndAtFourLettersWithoutTheStatusBar) {
  SetString(kCaretKeyPath, "show status", "0");
  TypeLetters("wqiy");
  TypeLetters("gg");
  Press(VK_SPACE);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kCaretKeyPath, "show status");
  EXPECT_EQ(Text(), L"你五");
}

}  // namespace
