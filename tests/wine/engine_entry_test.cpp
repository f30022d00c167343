// The IMM entry points on a real input context: inquiry, escapes, selection and the
// blocks it makes, every action of NotifyIME, composition strings, message buffer growth
// and the translation-list layout of the host.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ime/engine/EngineCalls.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"
#include "tests/wine/engine_harness.h"

namespace {

constexpr LPARAM kCodeChanged = 0x1BF;
constexpr LPARAM kCommitted = 0x1FBF;
constexpr BOOL kAllBits = static_cast<BOOL>(0xFFFFFFFF);

std::vector<DictionaryFileRows> Rows() {
  return {{"lmtsys_a.db", "lmt_zx",
           {{"工", "a"}, {"式", "aa"}, {"节", "ab"}, {"芭", "ac"}, {"基", "ad"}, {"菜", "ae"},
            {"革", "af"}, {"七", "ag"}, {"牙", "ah"}, {"东", "ai"}}}};
}

class EntryTest : public EngineContextTest {
protected:
  TestDictionaries dictionaries_{Rows()};
};

TEST(InquireTest, AnnouncesTheModulesPropertiesAndUiClass) {
  IMEINFO info = {};
  char className[17] = {};
  EXPECT_EQ(ImeInquire(&info, className, 0), kAllBits);
  EXPECT_EQ(info.dwPrivateDataSize, kPrivateRecordSize);  // the record with its input facts
  EXPECT_EQ(info.fdwProperty, 0x00040007u);
  EXPECT_EQ(info.fdwConversionCaps, 0x000001A9u);
  EXPECT_EQ(info.fdwSentenceCaps, 0u);
  EXPECT_EQ(info.fdwUICaps, 0x00010002u);
  EXPECT_EQ(info.fdwSCSCaps, 3u);
  EXPECT_EQ(info.fdwSelectCaps, 0u);
  EXPECT_STREQ(className, "RurevEdovIme_Mz");
  EXPECT_FALSE(ImeInquire(nullptr, className, 0));
}

TEST(EscapeTest, AnswersEachSubFunction) {
  char data[80] = {};
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_QUERY_SUPPORT, nullptr), 0);
  EXPECT_EQ(ImeEscape(nullptr, 0x22, data), 0);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_SEQUENCE_TO_INTERNAL, data), 0);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_GET_EUDC_DICTIONARY, data), 0);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_MAX_KEY, data), 4);
  EXPECT_EQ(ImeEscape(nullptr, 0x7777, data), 1);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_IME_NAME, nullptr), 0);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_IME_NAME, data), 1);
  EXPECT_STREQ(data, "Lumatori输入法");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_GETHELPFILENAME, data), 1);
  EXPECT_EQ(std::string(data), std::string(windows) + "\\HELP\\lumatori.CHM");
  EXPECT_EQ(ImeEscape(nullptr, IME_ESC_GETHELPFILENAME, nullptr), 0);
}

int CALLBACK NeverCalled(LPCSTR, DWORD, LPCSTR, LPVOID called) {
  *static_cast<bool*>(called) = true;
  return 1;
}

TEST(WordRegistrationTest, EveryEntryPointDoesNothing) {
  EXPECT_FALSE(ImeRegisterWord("zg", IME_REGWORD_STYLE_EUDC, "中国"));
  EXPECT_FALSE(ImeUnregisterWord("zg", IME_REGWORD_STYLE_EUDC, "中国"));
  STYLEBUFA styles[2];
  std::memset(styles, 0x5A, sizeof styles);
  EXPECT_EQ(ImeGetRegisterWordStyle(2, styles), 0u);
  EXPECT_EQ(reinterpret_cast<unsigned char*>(styles)[0], 0x5A);
  bool called = false;
  EXPECT_EQ(ImeEnumRegisterWord(NeverCalled, nullptr, 0, nullptr, &called), 0u);
  EXPECT_FALSE(called);
}

TEST(OtherEntryTest, ConversionListDestroyAndMissingContexts) {
  EXPECT_EQ(ImeConversionList(nullptr, "a", nullptr, 0, 0), 0u);
  EXPECT_TRUE(ImeDestroy(0));
  EXPECT_FALSE(ImeSelect(nullptr, TRUE));
  EXPECT_TRUE(ImeSetActiveContext(nullptr, TRUE));
  EXPECT_FALSE(NotifyIME(nullptr, NI_CHANGECANDIDATELIST, 0, 0));
  EXPECT_FALSE(ImeSetCompositionString(nullptr, SCS_SETSTR, nullptr, 0, nullptr, 0));
  // Without a context a key gives its plain character.
  struct {
    UINT count;
    TRANSMSG entries[10];
  } buffer = {10, {}};
  EXPECT_EQ(ImeToAsciiEx('A' | ('a' << 8), 0x1E, nullptr, reinterpret_cast<LPTRANSMSGLIST>(&buffer),
                         0, nullptr), 1u);
  EXPECT_EQ(buffer.entries[0].message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(buffer.entries[0].lParam, 0x1E * 65536 + 1);
}

TEST_F(EntryTest, SelectMakesTheBlocksAndOpensTheContextInChinese) {
  LPINPUTCONTEXT context = ImmLockIMC(himc_);
  // Their layouts: engine_blocks_test.
  EXPECT_EQ(ImmGetIMCCSize(context->hCompStr), 279u);  // code length 4
  EXPECT_EQ(ImmGetIMCCSize(context->hCandInfo), kCandidateInfoSize);
  EXPECT_EQ(ImmGetIMCCSize(context->hGuideLine), 32u);
  EXPECT_TRUE(context->fOpen);
  EXPECT_TRUE(context->fdwConversion & IME_CMODE_NATIVE);
  EXPECT_EQ(context->fdwSentence, static_cast<DWORD>(IME_SMODE_PHRASEPREDICT));
  EXPECT_EQ(context->fdwInit & (INIT_CONVERSION | INIT_SENTENCE | INIT_LOGFONT),
            static_cast<DWORD>(INIT_CONVERSION | INIT_SENTENCE | INIT_LOGFONT));
  ImmUnlockIMC(himc_);
  EXPECT_EQ(Private().state, kStateIdle);
  EXPECT_EQ(ImeSetActiveContext(himc_, TRUE), kAllBits);
  EXPECT_EQ(ImeSelect(himc_, FALSE), kAllBits);
}

// The manager's page actions reach the open list, index and value each in its place.
TEST_F(EntryTest, PageStartAndPageSizeThroughNotifyIme) {
  Type("a");
  EXPECT_TRUE(NotifyIME(himc_, NI_SETCANDIDATE_PAGESTART, 0, 3));
  EXPECT_EQ(Candidates().dwSelection, 3u);
  EXPECT_TRUE(NotifyIME(himc_, NI_SETCANDIDATE_PAGESIZE, 0, 5));
  EXPECT_EQ(Candidates().dwPageSize, 5u);
}

TEST_F(EntryTest, ContextUpdatesWithoutEffectAndRefusedActions) {
  Type("a");
  const PrivateRecord before = Private();
  PrivateRecord after;
  SentMessages().clear();
  for (DWORD value : {IMC_SETCANDIDATEPOS, IMC_SETCOMPOSITIONFONT, IMC_SETCOMPOSITIONWINDOW})
    EXPECT_EQ(NotifyIME(himc_, NI_CONTEXTUPDATED, 0, value), kAllBits);
  EXPECT_FALSE(NotifyIME(himc_, NI_CONTEXTUPDATED, 0, 0x77));
  EXPECT_FALSE(NotifyIME(himc_, NI_OPENCANDIDATE, 0, 0));
  EXPECT_FALSE(NotifyIME(himc_, NI_CLOSECANDIDATE, 0, 0));
  EXPECT_FALSE(NotifyIME(himc_, NI_COMPOSITIONSTR, CPS_CONVERT, 0));
  EXPECT_FALSE(NotifyIME(himc_, 0x99, 0, 0));
  EXPECT_TRUE(SentImeMessages().empty());
  after = Private();
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
  EXPECT_EQ(CompositionString(), "a");
}

TEST_F(EntryTest, ChangeCandidateListSendsTheChange) {
  Type("a");
  SentMessages().clear();
  EXPECT_EQ(NotifyIME(himc_, NI_CHANGECANDIDATELIST, 0, 0), kAllBits);
  EXPECT_EQ(SentImeMessages(), (Trace{Notify(IMN_CHANGECANDIDATE, 1)}));
}

TEST_F(EntryTest, SelectCandidateStrCommitsTheChosenCandidate) {
  Type("a");
  SentMessages().clear();
  ChooseCandidate(himc_, 2);  // as the candidate window does for a click
  EXPECT_EQ(SentImeMessages(), (Trace{Notify(IMN_CLOSECANDIDATE, 1), Composition(0, kCommitted)}));
  EXPECT_EQ(ResultString(), "节");
}

TEST_F(EntryTest, SelectCandidateStrOutsideTheListOrClosedContext) {
  Type("a");
  SentMessages().clear();
  EXPECT_EQ(NotifyIME(himc_, NI_SELECTCANDIDATESTR, 0, 10), kAllBits);  // beyond the list
  EXPECT_EQ(NotifyIME(himc_, NI_SELECTCANDIDATESTR, 1, 0), kAllBits);   // no second list
  EXPECT_TRUE(SentImeMessages().empty());
  SetOpen(FALSE);
  EXPECT_FALSE(NotifyIME(himc_, NI_SELECTCANDIDATESTR, 0, 0));
  SetOpen(TRUE);
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_EUDC);
  EXPECT_FALSE(NotifyIME(himc_, NI_SELECTCANDIDATESTR, 0, 0));
  EXPECT_EQ(CompositionString(), "a");
}

TEST_F(EntryTest, CompositionStrCancelDropsCodeAndList) {
  Type("a");
  SentMessages().clear();
  EXPECT_EQ(NotifyIME(himc_, NI_COMPOSITIONSTR, CPS_CANCEL, 0), kAllBits);
  EXPECT_EQ(SentImeMessages(),
            (Trace{Notify(IMN_CLOSECANDIDATE, 1), End(), Composition(27, kCodeChanged)}));
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(Private().msgFlags & kMsgStandingBits, 0u);
}

TEST_F(EntryTest, CompositionStrCompleteWhileComposingCancelsTheCode) {
  Type("a");
  SentMessages().clear();
  EXPECT_EQ(NotifyIME(himc_, NI_COMPOSITIONSTR, CPS_COMPLETE, 0), kAllBits);
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(Private().state, kStateIdle);
  const Trace sent = SentImeMessages();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.front(), Notify(IMN_CLOSECANDIDATE, 1));
}

TEST_F(EntryTest, CompositionStrCompleteWhileIdleDoesNothingVisible) {
  EXPECT_EQ(NotifyIME(himc_, NI_COMPOSITIONSTR, CPS_COMPLETE, 0), kAllBits);
  EXPECT_TRUE(SentImeMessages().empty());
}

TEST_F(EntryTest, ModeChangeCancelsTheInputAndUndoesCharcode) {
  Type("a");
  SentMessages().clear();
  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE);
  EXPECT_EQ(NotifyIME(himc_, NI_CONTEXTUPDATED, IME_CMODE_NATIVE, IMC_SETCONVERSIONMODE), kAllBits);
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(SentImeMessages(), (Trace{Notify(IMN_CLOSECANDIDATE, 1), End(),
                                      Composition(27, kCodeChanged)}));

  SetConversionMode(IME_CMODE_NATIVE | IME_CMODE_CHARCODE);
  EXPECT_EQ(NotifyIME(himc_, NI_CONTEXTUPDATED, IME_CMODE_NATIVE, IMC_SETCONVERSIONMODE), kAllBits);
  EXPECT_EQ(ConversionMode(), static_cast<DWORD>(IME_CMODE_NATIVE));
}

TEST_F(EntryTest, ModeChangeToNoConversionKeepsNativeAndAsksForTheSoftKeyboard) {
  SetConversionMode(IME_CMODE_NOCONVERSION | IME_CMODE_SYMBOL | IME_CMODE_SOFTKBD);
  SentMessages().clear();
  NotifyIME(himc_, NI_CONTEXTUPDATED, IME_CMODE_NATIVE, IMC_SETCONVERSIONMODE);
  EXPECT_EQ(ConversionMode(),
            static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_NOCONVERSION | IME_CMODE_SOFTKBD));
  EXPECT_EQ(SentImeMessages(), (Trace{Notify(IMN_PRIVATE, 5)}));
}

TEST_F(EntryTest, OpenStatusChangeCancelsTheInput) {
  Type("a");
  SentMessages().clear();
  EXPECT_EQ(NotifyIME(himc_, NI_CONTEXTUPDATED, 0, IMC_SETOPENSTATUS), kAllBits);
  EXPECT_EQ(CompositionString(), "");
  EXPECT_EQ(SentImeMessages().front(), Notify(IMN_CLOSECANDIDATE, 1));
}

// A context the module never selected holds no private record of the engine (and blocks of
// another size): NotifyIME refuses and changes nothing, its mode included.
TEST_F(EntryTest, AContextWithoutThePrivateRecordIsLeftAsItIs) {
  HIMC raw = ImmCreateContext();
  LPINPUTCONTEXT context = ImmLockIMC(raw);
  ASSERT_NE(context, nullptr);
  context->fdwConversion = IME_CMODE_NATIVE | IME_CMODE_CHARCODE;
  context->fOpen = TRUE;
  ImmUnlockIMC(raw);
  EXPECT_FALSE(NotifyIME(raw, NI_CONTEXTUPDATED, IME_CMODE_NATIVE, IMC_SETCONVERSIONMODE));
  EXPECT_FALSE(NotifyIME(raw, NI_SETCANDIDATE_PAGESTART, 0, 0));
  EXPECT_FALSE(NotifyIME(raw, NI_SETCANDIDATE_PAGESIZE, 0, 3));
  EXPECT_FALSE(NotifyIME(raw, NI_COMPOSITIONSTR, CPS_CANCEL, 0));
  context = ImmLockIMC(raw);
  EXPECT_EQ(context->fdwConversion, static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_CHARCODE));
  ImmUnlockIMC(raw);
  ImmDestroyContext(raw);
}

TEST_F(EntryTest, SetCompositionStringOnlyClears) {
  Type("a");
  EXPECT_EQ(ImeSetCompositionString(himc_, SCS_SETSTR, nullptr, 0, nullptr, 0), kAllBits);
  EXPECT_EQ(CompositionString(), "");
  Type("a");
  char text[] = "ab";
  EXPECT_FALSE(ImeSetCompositionString(himc_, SCS_SETSTR, text, 2, text, 2));
  EXPECT_EQ(CompositionString(), "a");
  // A context that cannot be locked is a failure.
  HIMC gone = ImmCreateContext();
  ImmDestroyContext(gone);
  EXPECT_FALSE(ImeSetCompositionString(gone, SCS_SETSTR, nullptr, 0, nullptr, 0));
}

TEST_F(EntryTest, MessagesBeyondTheListsCapacityGoToTheMessageBuffer) {
  struct {
    UINT count;
    TRANSMSG entries[1];
  } buffer = {1, {}};
  BYTE state[256] = {};
  const UINT returned = ImeToAsciiEx('A' | ('a' << 8), 0x1E, state,
                                     reinterpret_cast<LPTRANSMSGLIST>(&buffer), 0, himc_);
  ASSERT_EQ(returned, 3u);
  LPINPUTCONTEXT context = ImmLockIMC(himc_);
  auto* messages = static_cast<TRANSMSG*>(ImmLockIMCC(context->hMsgBuf));
  ASSERT_NE(messages, nullptr);
  EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_IME_STARTCOMPOSITION));
  EXPECT_EQ(messages[2].wParam, static_cast<WPARAM>(IMN_OPENCANDIDATE));
  ImmUnlockIMCC(context->hMsgBuf);
  ImmUnlockIMC(himc_);
}

TEST_F(EntryTest, ListReadAfterItsCountGetsTheEntriesThere) {
  hostQuirks.entriesAfterCount = true;
  alignas(8) unsigned char buffer[sizeof(UINT) + 10 * sizeof(TRANSMSG) + 8] = {};
  const UINT capacity = 10;
  std::memcpy(buffer, &capacity, sizeof capacity);
  BYTE state[256] = {};
  ASSERT_EQ(ImeToAsciiEx('A' | ('a' << 8), 0x1E, state, reinterpret_cast<LPTRANSMSGLIST>(buffer),
                         0, himc_), 3u);
  TRANSMSG first;
  std::memcpy(&first, buffer + sizeof(UINT), sizeof first);
  EXPECT_EQ(first.message, static_cast<UINT>(WM_IME_STARTCOMPOSITION));
  TRANSMSG second;
  std::memcpy(&second, buffer + sizeof(UINT) + sizeof(TRANSMSG), sizeof second);
  EXPECT_EQ(second.message, static_cast<UINT>(WM_IME_COMPOSITION));
  EXPECT_EQ(second.wParam, static_cast<WPARAM>('a'));
}

TEST(HostQuirksTest, WineVersionsThatReadEntriesAfterTheCount) {
  EXPECT_TRUE(WineReadsEntriesAfterCount("8.0"));
  EXPECT_TRUE(WineReadsEntriesAfterCount("8.0.2"));
  EXPECT_TRUE(WineReadsEntriesAfterCount("7.22"));
  EXPECT_TRUE(WineReadsEntriesAfterCount("1.1.44"));
  EXPECT_TRUE(WineReadsEntriesAfterCount("8.4"));
  EXPECT_FALSE(WineReadsEntriesAfterCount("8.5"));
  EXPECT_FALSE(WineReadsEntriesAfterCount("9.0-rc1"));
  EXPECT_FALSE(WineReadsEntriesAfterCount("10.0"));
  EXPECT_FALSE(WineReadsEntriesAfterCount(""));
  EXPECT_FALSE(WineReadsEntriesAfterCount(nullptr));
}

TEST(HostQuirksTest, WineVersionsWhoseEditKeepsTheCompositionUntilItEnds) {
  EXPECT_TRUE(WineEditKeepsCompositionUntilEnd("8.0"));
  EXPECT_TRUE(WineEditKeepsCompositionUntilEnd("7.22"));
  EXPECT_TRUE(WineEditKeepsCompositionUntilEnd("8.21"));
  EXPECT_FALSE(WineEditKeepsCompositionUntilEnd("9.0"));
  EXPECT_FALSE(WineEditKeepsCompositionUntilEnd("10.2"));
  EXPECT_FALSE(WineEditKeepsCompositionUntilEnd(nullptr));
}

TEST(HostQuirksTest, WineVersionsThatMakeTheUiWindowOnlyAtOpenStatus) {
  EXPECT_TRUE(WineMakesUiWindowAtOpenStatusOnly("8.0"));
  EXPECT_TRUE(WineMakesUiWindowAtOpenStatusOnly("7.22"));
  EXPECT_FALSE(WineMakesUiWindowAtOpenStatusOnly("9.0"));
  EXPECT_FALSE(WineMakesUiWindowAtOpenStatusOnly("11.1"));
  EXPECT_FALSE(WineMakesUiWindowAtOpenStatusOnly(nullptr));
}

// The host these tests run on is Debian's Wine 8.0, whose differences are known (see the
// platform notes); on another host the expectations below must be written anew.
TEST(HostQuirksTest, TheWine8HostIsDetected) {
  using WineGetVersion = const char*(CDECL*)();
  FARPROC proc = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
  ASSERT_NE(proc, nullptr) << "these tests run under Wine";
  const std::string version = reinterpret_cast<WineGetVersion>(reinterpret_cast<void*>(proc))();
  ASSERT_EQ(version.rfind("8.0", 0), 0u) << version;
  hostQuirks = {};
  const HostQuirks& detected = CurrentHostQuirks();
  EXPECT_TRUE(detected.unicodeCharacters);
  EXPECT_EQ(detected.entriesAfterCount, sizeof(void*) == 8) << "32-bit reads the same place";
  EXPECT_TRUE(detected.endCompositionAtCommit);
  EXPECT_TRUE(detected.editKeepsCompositionMessages);
  EXPECT_TRUE(detected.uiWindowAtOpenStatusOnly);
  hostQuirks = {true, false, false};
}

TEST(HostQuirksTest, KeyCharacterFromEitherPlace) {
  EXPECT_EQ(KeyCharacter('A' | ('a' << 8)), static_cast<unsigned>('a'));
  EXPECT_EQ(KeyCharacter('A' | ('a' << 16)), static_cast<unsigned>('a'));
  EXPECT_EQ(KeyCharacter(VK_F1), 0u);
}

}  // namespace

int main(int argc, char** argv) {
  InitGlobals(GetModuleHandleA(nullptr));
  ResetEngineForTests();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
