// Typing through the real input method manager into an EDIT control.
#include "ime/engine/PunctuationTable.h"
#include "tests/wine/support/MouseInput.h"
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

// Every key of the punctuation table gives the mark the module's table has for it, one
// after the other. In zx "," and ";" are codes that give their marks, as shipped; a code
// they left behind would refuse the keys after them.
TEST_F(TypingTest, EveryPunctuationKeyArrives) {
  AddZxRows(',', {{"，", ","}});
  AddZxRows(';', {{"；", ";"}});
  SetMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  struct Key {
    char character;
    WORD vk;
    bool shift;
  };
  const Key keys[] = {{'.', VK_OEM_PERIOD, false}, {',', VK_OEM_COMMA, false},
                      {';', VK_OEM_1, false},      {':', VK_OEM_1, true},
                      {'?', VK_OEM_2, true},       {'!', '1', true},
                      {'(', '9', true},            {')', '0', true},
                      {'\\', VK_OEM_5, false},     {'@', '2', true},
                      {'&', '7', true},            {'$', '4', true},
                      {'_', VK_OEM_MINUS, true},   {'^', '6', true},
                      {'"', VK_OEM_7, true},       {'\'', VK_OEM_7, false},
                      {'<', VK_OEM_COMMA, true},   {'>', VK_OEM_PERIOD, true}};
  PrivateRecord state = {};  // the quote and angle states, as the context keeps them
  std::wstring expected;
  for (const Key& key : keys) {
    SCOPED_TRACE(key.character);
    const std::string_view gbk = ChinesePunctuation(key.character, state);
    ASSERT_FALSE(gbk.empty());
    wchar_t wide[4] = {};
    const int length = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()),
                                           wide, 4);
    expected.append(wide, length);
    Press(key.vk, key.shift);
    EXPECT_EQ(Text(), expected);
  }
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

// A list belongs to the control it was opened for: moving the focus closes it, to another
// control sharing the context as to one with a context of its own.
TEST_F(TypingTest, AListLeftOpenDoesNotFollowTheFocus) {
  SetDword(kSettingsKeyPath, "词语联想", 1);
  AddZxRows('k', {{"中国", "khlg"}, {"咖喱", "khlg"}, {"中国菜", "khlgh"}});
  HWND shared = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 50, 360, 30,
                              window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND own = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 90, 360, 30,
                           window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  HIMC ownContext = ImmCreateContext();
  ImmAssociateContext(own, ownContext);
  for (HWND other : {shared, own}) {
    SetFocus(edit_);
    Pump(100);
    TypeLetters("khlg");
    Press(VK_SPACE);  // commits 中国 and lists 中国菜 after it
    SetFocus(other);
    Pump(100);
    Press('1');
    wchar_t text[16] = {};
    GetWindowTextW(other, text, 16);
    EXPECT_STREQ(text, L"1");
  }
  EXPECT_EQ(Text(), L"中国中国");
  ImmAssociateContext(own, nullptr);
  ImmDestroyContext(ownContext);
}

// A mark typed on an association list closes the list: the digits after the mark are the
// user's, not picks from the list.
TEST_F(TypingTest, DigitsAfterAMarkOnAnAssociationListAreTyped) {
  SetDword(kSettingsKeyPath, "词语联想", 1);
  AddZxRows('k', {{"中国", "khlg"}, {"咖喱", "khlg"}, {"中国人", "khlgw"}});
  SetMode(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  TypeLetters("khlg");
  Press(VK_SPACE);   // 中国, with 中国人 listed after it
  Press('1', true);  // ！
  Press('1');
  Press('2');
  EXPECT_EQ(Text(), L"中国！12");
}

// The composition messages a control receives, in order.
struct ImeMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<std::pair<HWND, ImeMessage>> receivedImeMessages;
WNDPROC editProc = nullptr;
WNDPROC richEditProc = nullptr;

LRESULT CALLBACK RecordImeMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_IME_STARTCOMPOSITION || message == WM_IME_COMPOSITION ||
      message == WM_IME_ENDCOMPOSITION) {
    receivedImeMessages.push_back({window, {message, wParam, lParam}});
  }
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return CallWindowProcW(lstrcmpiW(name, L"EDIT") == 0 ? editProc : richEditProc, window, message,
                         wParam, lParam);
}

// A code being typed when the focus moves to another control of the window is dropped in
// the control that had it, the standard EDIT as a rich edit: the composition ends there,
// with nothing in it, and none of its letters stay behind as text.
TEST_F(TypingTest, ACodeLeftByTheFocusLeavesNothingBehind) {
  AddZxRows('k', {{"中国", "khlg"}, {"咖喱", "khlg"}});
  ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
  HWND rich = CreateWindowW(L"RichEdit20W", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 50, 360,
                            30, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(rich, nullptr);
  HWND other = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 90, 360, 30,
                             window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordImeMessages)));
  SetWindowLongPtrW(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordImeMessages));
  richEditProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      rich, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordImeMessages)));
  for (HWND control : {edit_, rich}) {
    SCOPED_TRACE(control == edit_ ? "EDIT" : "rich edit");
    SetFocus(control);
    Pump(100);
    TypeLetters("khl");
    receivedImeMessages.clear();
    SetFocus(other);
    Pump(100);
    wchar_t text[16] = {};
    GetWindowTextW(control, text, 16);
    EXPECT_STREQ(text, L"");
    bool ended = false;
    for (const auto& [window, received] : receivedImeMessages) {
      EXPECT_EQ(window, control) << "message " << received.message;
      ended = ended || received.message == WM_IME_ENDCOMPOSITION;
      if (received.message == WM_IME_COMPOSITION) {
        EXPECT_FALSE(received.lParam & GCS_RESULTSTR);
      }
    }
    EXPECT_TRUE(ended);
    // The next code starts in the control that has the focus now.
    TypeLetters("khlg");
    Press(VK_SPACE);
    GetWindowTextW(other, text, 16);
    EXPECT_STREQ(text, control == edit_ ? L"中国" : L"中国中国");
  }
}

// Two top-level windows with an edit control each, the user typing in one, then in the
// other, then clicking back into the first: the status bar is there for each in turn.
TEST_F(TypingTest, TheStatusBarFollowsTheUserAcrossWindows) {
  HWND second = CreateWindowW(L"E2ETypingWindow", L"second", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              470, 50, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  HWND secondEdit = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 360,
                                  30, second, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(secondEdit, nullptr);
  SetForegroundWindow(window_);  // the new window took the focus
  SetFocus(edit_);
  Pump(200);
  TypeLetters("a");
  Press(VK_SPACE);
  HWND status = FindWindowA("ImeStatuswinime_Mz", nullptr);
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(IsWindowVisible(status));
  for (HWND edit : {secondEdit, edit_}) {
    RECT box = {};
    GetWindowRect(edit, &box);
    ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    ASSERT_EQ(GetFocus(), edit);
    TypeLetters("a");
    Press(VK_SPACE);
    status = FindWindowA("ImeStatuswinime_Mz", nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(IsWindowVisible(status)) << (edit == edit_ ? "back in the first" : "second");
  }
  wchar_t text[16] = {};
  GetWindowTextW(secondEdit, text, 16);
  EXPECT_STREQ(text, L"中");
  EXPECT_EQ(Text(), L"中中");
  DestroyWindow(second);
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
