// The key core's decisions on keys: which keys it takes, how the code grows and shrinks,
// which candidate a key selects and commits, paging, and the automatic commits.
#include <gtest/gtest.h>

#include "ime/engine/ImeValues.h"
#include "tests/native/engine_core_harness.h"

namespace {

class KeyTest : public testing::Test {
protected:
  CoreContext input{KeyTestRows()};
};

TEST_F(KeyTest, DigitApostropheAndPeriodCommitTheNthCandidateDrawn) {
  input.Type("a");
  input.List()->rowsDrawn = 7;
  input.Press(Char('3'));
  EXPECT_EQ(input.ResultString(), "节");

  input.Type("a");
  input.Press(Char('\''));
  EXPECT_EQ(input.ResultString(), "式");

  input.Type("a");
  input.Press(Char('.'));
  EXPECT_EQ(input.ResultString(), "节");
}

TEST_F(KeyTest, DigitBeyondTheRowsDrawnBeepsAndCommitsNothing) {
  input.Type("a");
  input.List()->rowsDrawn = 2;
  const KeyResult third = input.Press(Char('3'));
  EXPECT_TRUE(third.taken);
  EXPECT_TRUE(third.returned.empty());
  EXPECT_EQ(third.beeps, 1);
  EXPECT_EQ(input.CompositionString(), "a");
  EXPECT_EQ(input.List()->dwCount, 13u);
}

TEST_F(KeyTest, SelectionKeysAreCharactersWhenSwitchedOff) {
  input.settings.quoteSelectsSecond = false;
  input.Type("a");
  input.List()->rowsDrawn = 7;
  const KeyResult quote = input.Press(Char('\''));
  EXPECT_TRUE(quote.taken);  // refused during composition
  EXPECT_TRUE(quote.returned.empty());
  EXPECT_EQ(quote.beeps, 1);
  EXPECT_EQ(input.CompositionString(), "a");
}

// "," only begins codes: typed after one, it commits it and then its own single candidate,
// both in the key's result where the host does not need the composition ended.
TEST_F(KeyTest, CommaAfterACodeCommitsItAndThenItsMark) {
  input.Type("aa");
  input.Press(Char(','));
  EXPECT_EQ(input.ResultString(), "式，");
  EXPECT_EQ(input.CompositionString(), "");
  EXPECT_EQ(input.record.state, kStateIdle);
}

// The comma's code commits its mark in the key that opens its list: no list may be left
// for the digits after it.
TEST_F(KeyTest, TheCommaCodeLeavesNoListForTheDigitsAfterIt) {
  input.Press(Char(','));
  EXPECT_EQ(input.ResultString(), "，");
  EXPECT_FALSE(IsListUp(input.record));
  const KeyResult digit = input.Press(Char('1'));
  EXPECT_TRUE(digit.taken);
  EXPECT_EQ(digit.returned, (std::vector<TRANSMSG>{{kWmChar, '1', 1}}));
}

// With Chinese punctuation, "." and "," right after a digit stay as typed; after anything
// else they are the marks ("," by its zx code).
TEST_F(KeyTest, PeriodAndCommaRightAfterADigitStayAsTyped) {
  input.mode = kModeNative | kModeSymbol;
  input.Press(Char('3'));
  EXPECT_EQ(input.Press(Char('.')).returned, (std::vector<TRANSMSG>{{kWmChar, '.', 1}}));
  input.Press(Char('1'));
  EXPECT_EQ(input.Press(Char(',')).returned, (std::vector<TRANSMSG>{{kWmChar, ',', 1}}));
  EXPECT_EQ(input.Press(Char('.')).returned.size(), 2u);  // 。 as lead and trail byte
  input.Press(Char('2'));
  EXPECT_FALSE(input.Press(Named(kVkSpace)).taken);  // the application types the space
  input.Press(Char(','));
  EXPECT_EQ(input.ResultString(), "，");
}

TEST_F(KeyTest, PagingInTheVerticalLayout) {
  input.Type("a");
  input.Press(Char('='));
  EXPECT_EQ(input.List()->dwSelection, 7u);
  EXPECT_EQ(input.Press(Char('=')).beeps, 1);  // the last page
  EXPECT_EQ(input.List()->dwSelection, 7u);
  input.Press(Char('-'));
  EXPECT_EQ(input.List()->dwSelection, 0u);
  input.Press(Named(kVkNext));
  EXPECT_EQ(input.List()->dwSelection, 7u);
  input.Press(Named(kVkPrior));
  EXPECT_EQ(input.List()->dwSelection, 0u);
  const KeyResult again = input.Press(Named(kVkPrior));  // stays 0, and says so
  EXPECT_EQ(again.returned, (std::vector<TRANSMSG>{{kWmImeNotify, kImnChangeCandidate, 1}}));
  EXPECT_EQ(input.List()->dwSelection, 0u);
}

TEST_F(KeyTest, PagingInTheHorizontalLayoutFollowsTheRowsDrawn) {
  input.settings.verticalLayout = false;
  input.Type("a");
  input.List()->rowsDrawn = 4;
  input.Press(Char('='));
  EXPECT_EQ(input.List()->dwSelection, 4u);
  EXPECT_EQ(input.List()->backwardFill, 0);
  input.Press(Named(kVkNext));
  EXPECT_EQ(input.List()->dwSelection, 8u);
  input.Press(Char('-'));
  EXPECT_EQ(input.List()->dwSelection, 1u);
  EXPECT_EQ(input.List()->backwardFill, 1);
  input.Press(Named(kVkPrior));
  EXPECT_EQ(input.List()->dwSelection, 0u);
}

TEST_F(KeyTest, TraditionalOutputListsAndCommitsTraditionalText) {
  input.engine.simplifiedOutput = 0;
  input.settings.wordAssociation = true;
  input.Type("zg");
  EXPECT_EQ(input.CandidateText(0), "中國");
  input.List()->rowsDrawn = 7;
  input.Press(Named(kVkSpace));
  EXPECT_EQ(input.ResultString(), "中國");
  // The association query uses the simplified text.
  EXPECT_STREQ(input.record.facts.associationPrefix, "中国");
  input.Press(Char('1'));
  EXPECT_EQ(input.ResultString(), "人");
}

TEST_F(KeyTest, EscOnAnAssociationListClosesIt) {
  input.settings.wordAssociation = true;
  input.Type("zg");
  input.List()->rowsDrawn = 7;
  input.Press(Named(kVkSpace));
  ASSERT_STREQ(input.record.facts.associationPrefix, "中国");
  input.Press(Named(kVkEscape));
  EXPECT_STREQ(input.record.facts.associationPrefix, "");
  // The emptied list takes no more list keys: a digit is a character again.
  const KeyResult digit = input.Press(Char('1'));
  ASSERT_EQ(digit.returned.size(), 1u);
  EXPECT_EQ(digit.returned[0].message, kWmChar);
}

TEST_F(KeyTest, ShiftLetterIsACharacterWhenIdleAndRefusedWhileComposing) {
  const KeyResult upper = input.Press(Shifted('a'));
  ASSERT_TRUE(upper.taken);
  ASSERT_EQ(upper.returned.size(), 1u);
  EXPECT_EQ(upper.returned[0].wParam, static_cast<std::uintptr_t>('A'));
  input.Type("a");
  const KeyResult refused = input.Press(Shifted('a'));
  EXPECT_TRUE(refused.taken);
  EXPECT_TRUE(refused.returned.empty());
  EXPECT_EQ(refused.beeps, 1);
  EXPECT_EQ(input.CompositionString(), "a");
}

TEST_F(KeyTest, ModifierKeysAndTheKeypadPass) {
  EXPECT_FALSE(input.Press(Named(kVkControl)).taken);
  EXPECT_FALSE(input.Press(Named(kVkShift)).taken);
  input.Type("a");
  KeyEvent keypad1;
  keypad1.ch = '1';
  keypad1.vk = kVkNumpad0 + 1;
  EXPECT_FALSE(input.Press(keypad1).taken);  // also while a list is up
  KeyEvent altB = Letter('b');
  altB.keyFlags = kKeyFlagAltDown;
  EXPECT_FALSE(input.Press(altB).taken);
}

TEST_F(KeyTest, ChineseNeedsTheOpenContext) {
  input.open = false;
  EXPECT_FALSE(input.Press(Letter('a')).taken);
}

TEST_F(KeyTest, QuestionMarkWhileComposingIsACharacterThatClosesTheList) {
  input.Type("a");
  input.mode = kModeNative | kModeSymbol;
  EXPECT_EQ(input.Press(Char('?')).returned,
            (std::vector<TRANSMSG>{{kWmChar, 0xA3, 1}, {kWmChar, 0xBF, 1}}));
  EXPECT_EQ(input.TakeSent(), (std::vector<TRANSMSG>{{kWmImeNotify, kImnCloseCandidate, 1}}));
}

class FullCodeTest : public testing::Test {
protected:
  CoreContext input{{{"lmtsys_a.db", "lmt_sx",
                      {{"甲", "abcdefgh"}, {"乙", "abcdefgh"}, {"丙", "a"}, {"丁", "a"}}}},
                    CodeScheme::sx};
};

TEST_F(FullCodeTest, EnterCommitsOnlyTheLettersOfTheCodeNowTyped) {
  input.Type("abcde");
  input.List()->rowsDrawn = 2;
  input.Press(Named(kVkSpace));
  ASSERT_EQ(input.ResultString(), "甲");
  input.Type("abcd");  // shorter than the code before, whose fifth letter stays behind it
  input.Press(Named(kVkReturn));
  EXPECT_EQ(input.ResultString(), "abcd");
}

TEST_F(FullCodeTest, CommaIsPunctuationInSx) {
  input.mode = kModeNative | kModeSymbol;
  EXPECT_EQ(input.Press(Char(',')).returned,
            (std::vector<TRANSMSG>{{kWmChar, 0xA3, 1}, {kWmChar, 0xAC, 1}}));
}

}  // namespace
