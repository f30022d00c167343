// The IMM adapter of the key core on a real input context: ImeProcessKey and ImeToAsciiEx
// with a standard translation list, whole message traces, the messages sent meanwhile, and
// what only the host shows (Caps Lock's mode switch, Unicode character messages). The key
// core's decisions are tested natively.
#include <gtest/gtest.h>

#include "ime/engine/EngineInstance.h"
#include "ime/engine/HostQuirks.h"
#include "ime/settings/Globals.h"
#include "tests/wine/engine_harness.h"
#include "tests/wine/support/BeepCounter.h"

namespace {

constexpr LPARAM kCodeChanged = 0x1BF;
constexpr LPARAM kCommitted = 0x1FBF;

class KeyTest : public EngineContextTest {
protected:
  TestDictionaries dictionaries_{KeyTestRows()};
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

  // Nothing starts with "abz": the letter is added and taken back within the key, with the
  // system beep.
  const BeepCounter beeps;
  EXPECT_EQ(Press('Z').messages,
            (Trace{Composition(8, kCodeChanged), Notify(IMN_CHANGECANDIDATE, 1)}));
  EXPECT_EQ(CompositionString(), "ab");
  EXPECT_EQ(beeps.Count(), 1);

  SetRowsDrawn(7);
  EXPECT_EQ(Press(VK_SPACE).messages,
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "节");
  EXPECT_EQ(Private().state, kStateIdle);
  EXPECT_EQ(CompositionString(), "");
}

// Also before the window drew any row: it draws the first row of every page. No list
// opens for the committed code: an empty one would take the next digits.
TEST_F(KeyTest, ALetterLeavingOneCandidateCommitsIt) {
  EXPECT_EQ(Press('B').messages, (Trace{Start(), Composition(0, kCommitted)}));
  EXPECT_FALSE(Private().msgFlags & kMsgCandidateOpen);
  EXPECT_EQ(ResultString(), "了");
  EXPECT_EQ(Private().state, kStateIdle);
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
  EXPECT_STREQ(Private().facts.associationPrefix, "中国");
  ASSERT_EQ(Candidates().dwCount, 2u);
  EXPECT_EQ(CandidateText(0), "中国人");
  // Only what continues the committed text is committed from the association list.
  EXPECT_EQ(Press('1').messages, (Trace{Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "人");
  EXPECT_STREQ(Private().facts.associationPrefix, "");  // 中国人 continues no further
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
  ASSERT_STREQ(Private().facts.associationPrefix, "中国");
  const HIMC other = SelectedContext();
  EXPECT_EQ(PressIn(other, '1').messages, (Trace{Char('1', MapVirtualKeyA('1', 0) * 65536 + 1)}));
  ImeSelect(other, FALSE);
  ImmDestroyContext(other);
}

// The key flags are the key data's high word.
TEST_F(KeyTest, AltInTheKeyDataPasses) {
  const UINT scan = MapVirtualKeyA('B', MAPVK_VK_TO_VSC);
  BYTE state[256] = {};
  EXPECT_FALSE(ImeProcessKey(himc_, 'B', static_cast<LPARAM>((scan | KF_ALTDOWN) << 16) | 1, state));
}

class CharacterTest : public KeyTest {};

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
    engine.maxCodeLength = 8;
  }
  TestDictionaries dictionaries_{{{"lmtsys_a.db", "lmt_sx",
                                   {{"甲", "abcdefgh"}, {"乙", "abcdefgh"}, {"丙", "a"},
                                    {"丁", "a"}}}}};
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

}  // namespace

int main(int argc, char** argv) {
  InitGlobals(GetModuleHandleA(nullptr));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
