// Key processing, candidate selection and character output on a real input context:
// ImeProcessKey and ImeToAsciiEx with a standard translation list, whole message traces.
#include <gtest/gtest.h>

#include "ime/engine/EngineState.h"
#include "ime/engine/HostQuirks.h"
#include "ime/settings/Globals.h"
#include "tests/wine/engine_harness.h"
#include "tests/wine/support/BeepCounter.h"

namespace {

constexpr LPARAM kCodeChanged = 0x1BF;
constexpr LPARAM kCommitted = 0x1FBF;

// zx dictionaries: twelve candidates for "a", two for "ab", two full codes "aaaa", a single
// one for "b" and for ",", and two for "zg", 中国 first, with two continuations.
std::vector<DictionaryFileRows> ZxRows() {
  return {{"lmtsys_a.db", "lmt_zx",
           {{"a", "工"}, {"aa", "式"}, {"ab", "节"}, {"ac", "芭"}, {"ad", "基"}, {"ae", "菜"},
            {"af", "革"}, {"ag", "七"}, {"ah", "牙"}, {"ai", "东"}, {"abc", "划"}, {"aaaa", "戒"},
            {"aaaa", "械"}}},
          {"lmtsys_b.db", "lmt_zx", {{"bx", "了"}}},
          {"lmtsys_,.db", "lmt_zx", {{",", "，"}}},
          {"lmtsys_z.db", "lmt_zx",
           {{"zg", "中国"}, {"zg", "仲"}, {"zgr", "中国人"}, {"zgh", "中国话"}}}};
}

class KeyTest : public EngineContextTest {
protected:
  TestDictionaries dictionaries_{ZxRows()};
};

TEST_F(KeyTest, TypicalListsOfFirstLetterNextLetterNoMatchAndCommit) {
  KeyResult first = Press('A');
  EXPECT_TRUE(first.taken);
  EXPECT_EQ(first.messages,
            (Trace{Start(), Composition('a', kCodeChanged), Notify(IMN_OPENCANDIDATE, 1)}));
  EXPECT_EQ(Candidates().dwCount, 13u);

  EXPECT_EQ(Press('B').messages,
            (Trace{Composition('b', kCodeChanged), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(Candidates().dwCount, 2u);  // 节 and 划 (abc)

  // Nothing starts with "abz": the letter is added and taken back within the key.
  EXPECT_EQ(Press('Z').messages,
            (Trace{Composition(8, kCodeChanged), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(CompositionString(), "ab");

  SetRowsDrawn(7);
  EXPECT_EQ(Press(VK_SPACE).messages,
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "节");
  EXPECT_EQ(Private().state, kStateIdle);
  EXPECT_EQ(CompositionString(), "");
}

TEST_F(KeyTest, DigitApostropheAndPeriodCommitTheNthCandidateDrawn) {
  Type("a");
  SetRowsDrawn(7);
  Press('3');
  EXPECT_EQ(ResultString(), "节");

  Type("a");
  Press(VK_OEM_7);  // '
  EXPECT_EQ(ResultString(), "式");

  Type("a");
  Press(VK_OEM_PERIOD);
  EXPECT_EQ(ResultString(), "节");
}

TEST_F(KeyTest, DigitBeyondTheRowsDrawnBeepsAndCommitsNothing) {
  Type("a");
  SetRowsDrawn(2);
  BeepCounter beeps;
  KeyResult third = Press('3');
  EXPECT_TRUE(third.taken);
  EXPECT_TRUE(third.messages.empty());
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(CompositionString(), "a");
  EXPECT_EQ(Candidates().dwCount, 13u);
}

TEST_F(KeyTest, SelectionKeysAreCharactersWhenSwitchedOff) {
  globals.quoteSelectsSecond = 0;
  Type("a");
  SetRowsDrawn(7);
  BeepCounter beeps;
  KeyResult quote = Press(VK_OEM_7);
  EXPECT_TRUE(quote.taken);            // refused during composition
  EXPECT_TRUE(quote.messages.empty());
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(CompositionString(), "a");
}

// Also before the window drew any row: it draws the first row of every page.
TEST_F(KeyTest, ALetterLeavingOneCandidateCommitsIt) {
  EXPECT_EQ(Press('B').messages, (Trace{Start(), Composition(0, kCommitted),
                                        Notify(IMN_OPENCANDIDATE, 1)}));
  EXPECT_EQ(ResultString(), "了");
  EXPECT_EQ(Private().state, kStateIdle);
}

// "," only begins codes: typed after one, it commits it and then its own single candidate,
// both in the key's result where the host does not need the composition ended.
TEST_F(KeyTest, CommaAfterACodeCommitsItAndThenItsMark) {
  Type("aa");
  Press(VK_OEM_COMMA);
  EXPECT_EQ(ResultString(), "式，");
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(Private().state, kStateIdle);
}

TEST_F(KeyTest, PagingInTheVerticalLayout) {
  Type("a");
  EXPECT_EQ(Press(VK_OEM_PLUS).messages, (Trace{Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(Candidates().dwSelection, 7u);
  {
    BeepCounter beeps;
    EXPECT_TRUE(Press(VK_OEM_PLUS).messages.empty());  // the last page
    EXPECT_EQ(beeps.Count(), 1);
  }
  EXPECT_EQ(Candidates().dwSelection, 7u);
  EXPECT_EQ(Press(VK_OEM_MINUS).messages, (Trace{Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(Candidates().dwSelection, 0u);
  Press(VK_NEXT);
  EXPECT_EQ(Candidates().dwSelection, 7u);
  Press(VK_PRIOR);
  EXPECT_EQ(Candidates().dwSelection, 0u);
  EXPECT_EQ(Press(VK_PRIOR).messages, (Trace{Notify(IMN_CHANGECANDIDATE, 1)}));  // stays 0
  EXPECT_EQ(Candidates().dwSelection, 0u);
}

TEST_F(KeyTest, PagingInTheHorizontalLayoutFollowsTheRowsDrawn) {
  globals.verticalLayout = 0;
  Type("a");
  SetRowsDrawn(4);
  Press(VK_OEM_PLUS);
  EXPECT_EQ(Candidates().dwSelection, 4u);
  EXPECT_EQ(Candidates().backwardFill, 0);
  Press(VK_NEXT);
  EXPECT_EQ(Candidates().dwSelection, 8u);
  Press(VK_OEM_MINUS);
  EXPECT_EQ(Candidates().dwSelection, 1u);
  EXPECT_EQ(Candidates().backwardFill, 1);
  Press(VK_PRIOR);
  EXPECT_EQ(Candidates().dwSelection, 0u);
}

TEST_F(KeyTest, EscTwiceClosesTheListThenEndsTheComposition) {
  Type("ab");
  EXPECT_EQ(Press(VK_ESCAPE).messages,
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(27, kCodeChanged)}));
  EXPECT_TRUE(Private().msgFlags & kMsgCompositionStarted);
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(Press(VK_ESCAPE).messages, (Trace{End(), Composition(27, kCodeChanged)}));
  EXPECT_FALSE(Press(VK_ESCAPE).taken);
}

TEST_F(KeyTest, BackspaceThroughTheCodeAndPastIt) {
  Type("ab");
  EXPECT_EQ(Press(VK_BACK).messages,
            (Trace{Composition(8, kCodeChanged), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(CompositionString(), "a");
  EXPECT_EQ(Press(VK_BACK).messages, (Trace{Notify(IMN_CLOSECANDIDATE, 1),
                                            Composition(8, kCodeChanged),
                                            Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(CompositionString(), "");
  SentMessages().clear();
  // The composition ends at once and the key goes on to the application.
  EXPECT_FALSE(Press(VK_BACK).taken);
  EXPECT_EQ(SentImeMessages(), (Trace{End()}));
  EXPECT_FALSE(Press(VK_BACK).taken);
}

TEST_F(KeyTest, ALetterOnAFullCodeWithNothingListedIsRefusedWithTheGuideline) {
  Type("aaaa");
  EmptyCandidateList();  // as a lookup that could not read its file leaves it
  // The code did not change: the composition message carries no GCS flags.
  EXPECT_EQ(Press('A').messages, (Trace{Composition('a', 0), Notify(IMN_GUIDELINE, 0),
                                        Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(GuidelineLevel(), static_cast<DWORD>(GL_LEVEL_ERROR));
  EXPECT_EQ(CompositionString(), "aaaa");
  EXPECT_EQ(Press(VK_BACK).messages, (Trace{Composition(8, kCodeChanged), Notify(IMN_GUIDELINE, 0),
                                            Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(GuidelineLevel(), 0u);
  EXPECT_EQ(CompositionString(), "aaa");
}

TEST_F(KeyTest, EnterCommitsTheTypedLetters) {
  Type("ab");
  EXPECT_EQ(Press(VK_RETURN).messages,
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "ab");
}

TEST_F(KeyTest, ACommittedPhraseIsFollowedByItsAssociations) {
  globals.wordAssociation = 1;
  Type("zg");
  SetRowsDrawn(7);
  EXPECT_EQ(Press(VK_SPACE).messages,
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "中国");
  EXPECT_EQ(engine.associationPrefix, "中国");
  ASSERT_EQ(Candidates().dwCount, 2u);
  EXPECT_EQ(CandidateText(0), "中国人");
  // Only what continues the committed text is committed from the association list.
  EXPECT_EQ(Press('1').messages, (Trace{Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "人");
  EXPECT_TRUE(engine.associationPrefix.empty());  // 中国人 continues no further
}

TEST_F(KeyTest, AnUnreadableUserDictionaryIsToldOnceAndTheSystemCandidatesStillCome) {
  ASSERT_TRUE(DeleteFileA((std::string(globals.dictionaryDir) + "lmtsys_User.db").c_str()));
  EXPECT_EQ(Press('A').messages,
            (Trace{Start(), Composition('a', kCodeChanged), Notify(IMN_OPENCANDIDATE, 1),
                   Notify(IMN_PRIVATE, kPrivateUserDictionaryNotice)}));
  EXPECT_EQ(Candidates().dwCount, 13u);
  EXPECT_EQ(Press('B').messages,
            (Trace{Composition('b', kCodeChanged), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(Candidates().dwCount, 2u);
}

// The association list belongs to the context it was offered in: in another context the
// digit is a character.
TEST_F(KeyTest, AnotherContextsKeysDoNotReachTheList) {
  globals.wordAssociation = 1;
  Type("zg");
  SetRowsDrawn(7);
  Press(VK_SPACE);
  ASSERT_EQ(engine.associationPrefix, "中国");
  const HIMC other = SelectedContext();
  EXPECT_EQ(PressIn(other, '1').messages, (Trace{Char('1', MapVirtualKeyA('1', 0) * 65536 + 1)}));
  ImeSelect(other, FALSE);
  ImmDestroyContext(other);
}

TEST_F(KeyTest, TraditionalOutputListsAndCommitsTraditionalText) {
  engine.simplifiedOutput = 0;
  globals.wordAssociation = 1;
  Type("zg");
  EXPECT_EQ(CandidateText(0), "中國");
  SetRowsDrawn(7);
  Press(VK_SPACE);
  EXPECT_EQ(ResultString(), "中國");
  EXPECT_EQ(engine.associationPrefix, "中国");  // the association query uses simplified text
  Press('1');
  EXPECT_EQ(ResultString(), "人");
}

TEST_F(KeyTest, ShiftLetterIsACharacterWhenIdleAndRefusedWhileComposing) {
  KeyResult upper = Press('A', true);
  ASSERT_TRUE(upper.taken);
  ASSERT_EQ(upper.messages.size(), 1u);
  EXPECT_EQ(upper.messages[0].wParam, static_cast<WPARAM>('A'));
  Type("a");
  BeepCounter beeps;
  KeyResult refused = Press('A', true);
  EXPECT_TRUE(refused.taken);
  EXPECT_TRUE(refused.messages.empty());
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(CompositionString(), "a");
}

TEST_F(KeyTest, ModifierKeysAndTheKeypadPass) {
  EXPECT_FALSE(Press(VK_CONTROL).taken);
  EXPECT_FALSE(Press(VK_SHIFT).taken);
  Type("a");
  EXPECT_FALSE(Press(VK_NUMPAD1).taken);  // also while a list is up
  const UINT scan = MapVirtualKeyA('B', MAPVK_VK_TO_VSC);
  BYTE state[256] = {};
  EXPECT_FALSE(ImeProcessKey(himc_, 'B', static_cast<LPARAM>((scan | KF_ALTDOWN) << 16) | 1, state));
}

TEST_F(KeyTest, ChineseNeedsTheOpenContext) {
  SetOpen(FALSE);
  EXPECT_FALSE(Press('A').taken);
}

class CharacterTest : public KeyTest {};

TEST_F(CharacterTest, ChinesePunctuationPairsQuotesAndAngles) {
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  EXPECT_EQ(Press(VK_OEM_PERIOD).messages, (Trace{Char(0xA1), Char(0xA3)}));  // 。
  std::string quotes;
  for (int i = 0; i < 3; ++i) {
    for (const Msg& msg : Press(VK_OEM_7, true).messages) quotes += static_cast<char>(msg.wParam);
  }
  EXPECT_EQ(quotes, "“”“");
  std::string angles;
  for (bool open : {true, true, false, false, false}) {
    for (const Msg& msg : Press(open ? VK_OEM_COMMA : VK_OEM_PERIOD, true).messages)
      angles += static_cast<char>(msg.wParam);
  }
  EXPECT_EQ(angles, "《〈〉》》");
  EXPECT_EQ(Press(VK_OEM_MINUS, true).messages.size(), 4u);  // _ gives ——
  SetConversionMode(IME_CMODE_NATIVE);
  EXPECT_EQ(Press('3', true).messages.size(), 1u);  // # half-width
}

TEST_F(CharacterTest, FullWidthFormsAndTheTakenSpace) {
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE);
  EXPECT_EQ(Press('3', true).messages, (Trace{Char(0xA3), Char(0xA3)}));  // ＃
  EXPECT_EQ(Press(VK_SPACE).messages, (Trace{Char(0xA1), Char(0xA1)}));   // ideographic space
  SetConversionMode(IME_CMODE_NATIVE);
  EXPECT_FALSE(Press(VK_SPACE).taken);
}

TEST_F(CharacterTest, EnglishModeTypesPlainCharacters) {
  SetConversionMode(0);
  const UINT scan = MapVirtualKeyA('A', MAPVK_VK_TO_VSC);
  EXPECT_EQ(Press('A').messages, (Trace{Char('a', static_cast<LPARAM>(scan) * 65536 + 1)}));
}

TEST_F(CharacterTest, SoftKeyboardGivesTheLayoutsCharacters) {
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_SOFTKBD);
  engine.softKeyboardIndex = 1;  // 希腊字母
  auto text = [](const Trace& trace) {
    std::string bytes;
    for (const Msg& msg : trace) bytes += static_cast<char>(msg.wParam);
    return bytes;
  };
  EXPECT_EQ(text(Press('A').messages), "κ");
  EXPECT_EQ(text(Press('A', true).messages), "Κ");
  BeepCounter beeps;
  KeyResult digit = Press('1');
  EXPECT_TRUE(digit.taken);
  EXPECT_TRUE(digit.messages.empty());  // no character there
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(text(Press(VK_SPACE).messages), "　");
}

TEST_F(CharacterTest, CapsLockSwitchesToEnglishAndBack) {
  BYTE state[256] = {};
  state[VK_CAPITAL] = 0x81;
  EXPECT_FALSE(ImeProcessKey(himc_, VK_CAPITAL, 1, state));
  EXPECT_FALSE(ConversionMode() & IME_CMODE_NATIVE);
  EXPECT_EQ(engine.capsForcedEnglish, 1u);
  EXPECT_EQ(Press('A').messages.size(), 1u);  // a plain character
  state[VK_CAPITAL] = 0x80;
  EXPECT_FALSE(ImeProcessKey(himc_, VK_CAPITAL, 1, state));
  EXPECT_TRUE(ConversionMode() & IME_CMODE_NATIVE);
  EXPECT_EQ(engine.capsForcedEnglish, 0u);
}

TEST_F(CharacterTest, CharacterKeyClosesAnOpenList) {
  Type("a");
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  SentMessages().clear();
  // "?" is neither refused nor a list key: it is a character and closes the list.
  EXPECT_EQ(Press(VK_OEM_2, true).messages, (Trace{Char(0xA3), Char(0xBF)}));
  EXPECT_EQ(SentImeMessages(), (Trace{Notify(IMN_CLOSECANDIDATE, 1)}));
}

TEST_F(CharacterTest, UnicodePostingHostGetsOneUnitPerCharacter) {
  hostQuirks.unicodeCharacters = true;
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  EXPECT_EQ(Press(VK_OEM_PERIOD).messages, (Trace{Char(0x3002)}));
  EXPECT_EQ(Press(VK_OEM_MINUS, true).messages, (Trace{Char(0x2014), Char(0x2014)}));
}

class FullCodeTest : public EngineContextTest {
protected:
  void SetUp() override {
    EngineContextTest::SetUp();
    globals.sxScheme = 1;
    engine.maxCodeLength = engine.codeLengthLimit = 8;
  }
  TestDictionaries dictionaries_{{{"lmtsys_a.db", "lmt_sx",
                                   {{"abcdefgh", "甲"}, {"abcdefgh", "乙"}, {"a", "丙"},
                                    {"a", "丁"}}}}};
};

TEST_F(FullCodeTest, TheNinthLetterCommitsTheFullCodeAndStartsANewOne) {
  // The blocks were made for code length 4; remade for 8 as the scheme switch does.
  ImeSelect(himc_, TRUE);
  Type("abcdefgh");
  EXPECT_EQ(CompositionString(), "abcdefgh");
  SetRowsDrawn(7);
  // The list stays open with the new code's candidates, so its keys choose from it.
  EXPECT_EQ(Press('A').messages,
            (Trace{Composition('a', kCommitted), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(ResultString(), "甲");
  EXPECT_EQ(CompositionString(), "a");
  EXPECT_EQ(Candidates().dwCount, 4u);
  SetRowsDrawn(4);
  Press(VK_SPACE);
  EXPECT_EQ(ResultString(), "丙");
}

TEST_F(FullCodeTest, WhereACommitEndsTheCompositionTheNinthLetterStartsANewOne) {
  hostQuirks.endCompositionAtCommit = true;
  ImeSelect(himc_, TRUE);
  Type("abcdefgh");
  SetRowsDrawn(7);
  SentMessages().clear();
  // The result goes out at once, before the messages the key returns (which are posted):
  // the EDIT posts the committed characters as it handles it, and they must be in before
  // it places the new composition.
  EXPECT_EQ(Press('A').messages, (Trace{Start(), Composition('a', kCodeChanged),
                                        Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(SentImeMessages(), (Trace{End(), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "甲");
  EXPECT_EQ(CompositionString(), "a");
}

TEST_F(FullCodeTest, EnterCommitsOnlyTheLettersOfTheCodeNowTyped) {
  ImeSelect(himc_, TRUE);
  Type("abcde");
  SetRowsDrawn(2);
  Press(VK_SPACE);
  ASSERT_EQ(ResultString(), "甲");
  Type("abcd");  // shorter than the code before, whose fifth letter stays behind it
  Press(VK_RETURN);
  EXPECT_EQ(ResultString(), "abcd");
}

TEST_F(FullCodeTest, CommaIsPunctuationInSx) {
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  EXPECT_EQ(Press(VK_OEM_COMMA).messages, (Trace{Char(0xA3), Char(0xAC)}));
}

}  // namespace

int main(int argc, char** argv) {
  InitGlobals(GetModuleHandleA(nullptr));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
