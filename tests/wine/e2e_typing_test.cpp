// Typing through the real input method manager: the module installed into the prefix and
// selected with ActivateKeyboardLayout, keys sent with SendInput to a window holding an
// EDIT control, and the control's text read back. Wine keeps a loaded IME for the life of
// the process, so each group runs in a process of its own (see CMakeLists.txt).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ime/engine/ImeConstants.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

class TypingTest : public testing::Test {
protected:
  void SetUp() override {
    // The dictionaries: "a" lists 中 and 文 (and the longer codes after them), "ab" 中文 and
    // 中午, "ac" only 文字.
    const std::string db = install_.File("lumatoridb");
    CreateDirectoryA(db.c_str(), nullptr);
    const std::vector<std::string> tables = {"create table lmt_zx(mbcode text, hzcode text)",
                                             "create table lmt_sx(mbcode text, hzcode text)"};
    std::vector<std::string> rows = tables;
    rows.push_back("insert into lmt_zx values('a','中')");
    rows.push_back("insert into lmt_zx values('a','文')");
    rows.push_back("insert into lmt_zx values('ab','中文')");
    rows.push_back("insert into lmt_zx values('ab','中午')");
    rows.push_back("insert into lmt_zx values('ac','文字')");
    MakeDictionary(db + "\\lmtsys_a.db", rows);
    MakeDictionary(db + "\\lmtsys_User.db", tables);
    DeleteKeyTree(kSettingsKeyPath);
    SetString(kSettingsKeyPath, "SetupDir", install_.Path().string() + "\\");
    SetDword(kSettingsKeyPath, "声型", 0);

    for (const char* file : {"lumatori.ime", "lmtdbmanger.dll"})
      ASSERT_TRUE(CopyFileA(BesideThisProgram(file).c_str(), SystemFile(file).c_str(), FALSE));
    layout_ = InstalledLayout(SystemFile("lumatori.ime"));
    ASSERT_NE(layout_, nullptr);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"E2ETypingWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowW(L"E2ETypingWindow", L"typing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                            50, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    edit_ = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10,
                          10, 360, 30, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    SetForegroundWindow(window_);
    SetFocus(edit_);
    Pump(300);
    ASSERT_NE(ActivateKeyboardLayout(layout_, 0), nullptr);
    Pump(300);
    ASSERT_EQ(GetKeyboardLayout(0), layout_);
  }

  void TearDown() override {
    if (window_) DestroyWindow(window_);
    DeleteKeyTree(kSettingsKeyPath);
  }

  std::wstring Text() {
    wchar_t text[256] = {};
    GetWindowTextW(edit_, text, 256);
    return text;
  }

  // Wine selects the module into the context at the first key; a mode set before that is
  // replaced by the selection's Chinese mode.
  void SetMode(DWORD mode) {
    Press(VK_SHIFT);
    HIMC himc = ImmGetContext(edit_);
    DWORD conversion = 0, sentence = 0;
    ImmGetConversionStatus(himc, &conversion, &sentence);
    ImmSetConversionStatus(himc, mode, sentence);
    ImmReleaseContext(edit_, himc);
    Pump(100);
  }

  TempFolder install_;
  HKL layout_ = nullptr;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

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
