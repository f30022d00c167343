// An application that draws its own candidates, as games, full-screen programs and screen
// readers do: it clears the ISC_SHOW bits, hears the candidate notices, reads the list
// through the input method manager and pages and chooses with NotifyIME.
#include <algorithm>
#include <cstring>

#include "tests/wine/support/CandidateWindowFixture.h"

namespace {

// The "a" file of the key tests, with a phrase that continues 节.
std::vector<DictionaryFileRows> OwnCandidatesRows() {
  std::vector<DictionaryFileRows> files = KeyTestRows();
  files[0].rows.push_back({"节日", "abjr"});
  return files;
}

// What the application saw: the candidate notices, in order.
std::vector<WPARAM> notices;
WNDPROC editProc = nullptr;

LRESULT CALLBACK DrawsItsOwnCandidates(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // As a game does: the input method hears the cleared bits through DefWindowProc (Wine's
  // EDIT keeps the message from it).
  if (message == WM_IME_SETCONTEXT)
    return DefWindowProcW(window, message, wParam, lParam & ~static_cast<LPARAM>(ISC_SHOWUIALL));
  if (message == WM_IME_NOTIFY &&
      (wParam == IMN_OPENCANDIDATE || wParam == IMN_CHANGECANDIDATE || wParam == IMN_CLOSECANDIDATE))
    notices.push_back(wParam);
  return CallWindowProcW(editProc, window, message, wParam, lParam);
}

std::wstring Wide(const std::string& gbk) {
  wchar_t text[128] = {};
  MultiByteToWideChar(936, 0, gbk.c_str(), -1, text, 128);
  return text;
}

// A list as the application copies it out, with its texts.
template <typename Char>
struct ListCopy {
  DWORD count = 0, style = 0, selection = 0, pageStart = 0, pageSize = 0;
  std::vector<std::basic_string<Char>> texts;
};

class OwnCandidatesTest : public CandidateWindowTest {
protected:
  void SetUp() override {
    CandidateWindowTest::SetUp();
    if (HasFatalFailure()) return;
    const std::string db = install_.File("lumatoridb") + "\\";
    for (const DictionaryFileRows& file : OwnCandidatesRows()) DeleteFileA((db + file.file).c_str());
    WriteDictionaryFiles(db, OwnCandidatesRows());
    SetDword(kSettingsKeyPath, "词语联想", association_ ? 1 : 0);
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DrawsItsOwnCandidates)));
    // The focus comes back to the control, which now clears the bits.
    SetFocus(window_);
    Pump(100);
    SetFocus(edit_);
    Pump(200);
    notices.clear();
  }

  ListCopy<char> ReadA() {
    HIMC himc = ImmGetContext(edit_);
    ListCopy<char> copy;
    DWORD lists = 0;
    ImmGetCandidateListCountA(himc, &lists);
    EXPECT_EQ(lists, 1u);
    const DWORD needed = ImmGetCandidateListA(himc, 0, nullptr, 0);
    std::vector<char> bytes(needed);
    auto* list = reinterpret_cast<CANDIDATELIST*>(bytes.data());
    if (needed >= sizeof(CANDIDATELIST) && ImmGetCandidateListA(himc, 0, list, needed) == needed) {
      copy = {list->dwCount, list->dwStyle, list->dwSelection, list->dwPageStart, list->dwPageSize};
      for (DWORD k = 0; k < list->dwCount; ++k) {
        EXPECT_LT(list->dwOffset[k], needed) << k;
        if (list->dwOffset[k] < needed)
          copy.texts.emplace_back(bytes.data() + list->dwOffset[k],
                                  strnlen(bytes.data() + list->dwOffset[k], needed - list->dwOffset[k]));
      }
    }
    ImmReleaseContext(edit_, himc);
    return copy;
  }

  ListCopy<wchar_t> ReadW() {
    HIMC himc = ImmGetContext(edit_);
    ListCopy<wchar_t> copy;
    const DWORD needed = ImmGetCandidateListW(himc, 0, nullptr, 0);
    std::vector<char> bytes(needed);
    auto* list = reinterpret_cast<CANDIDATELIST*>(bytes.data());
    if (needed >= sizeof(CANDIDATELIST) && ImmGetCandidateListW(himc, 0, list, needed) == needed) {
      copy = {list->dwCount, list->dwStyle, list->dwSelection, list->dwPageStart, list->dwPageSize};
      for (DWORD k = 0; k < list->dwCount && list->dwOffset[k] < needed; ++k) {
        const auto* text = reinterpret_cast<const wchar_t*>(bytes.data() + list->dwOffset[k]);
        copy.texts.emplace_back(text, wcsnlen(text, (needed - list->dwOffset[k]) / sizeof(wchar_t)));
      }
    }
    ImmReleaseContext(edit_, himc);
    return copy;
  }

  BOOL Notify(DWORD action, DWORD index, DWORD value) {
    HIMC himc = ImmGetContext(edit_);
    const BOOL done = ImmNotifyIME(himc, action, index, value);
    ImmReleaseContext(edit_, himc);
    Pump(100);
    return done;
  }

  // Types "a" and checks that the application reads the whole list, the same in A and W,
  // while the module's own window stays hidden.
  void TypeAAndReadTheList(const std::wstring& third) {
    TypeLetters("a");
    EXPECT_EQ(notices, std::vector<WPARAM>{IMN_OPENCANDIDATE});
    EXPECT_EQ(CandidateWindow(), nullptr) << "the application draws the candidates";

    const ListCopy<char> a = ReadA();
    const ListCopy<wchar_t> w = ReadW();
    std::vector<std::string> rowsOfA;
    const std::vector<DictionaryFileRows> files = OwnCandidatesRows();
    for (const DictionaryRow& row : files[0].rows) rowsOfA.push_back(row.text);
    ASSERT_EQ(a.count, rowsOfA.size());
    EXPECT_EQ(a.style, static_cast<DWORD>(IME_CAND_READ));
    EXPECT_EQ(a.selection, 0u);
    EXPECT_EQ(a.pageStart, 0u);
    EXPECT_EQ(a.pageSize, 7u);
    ASSERT_EQ(w.texts.size(), a.texts.size());
    for (std::size_t k = 0; k < a.texts.size(); ++k) EXPECT_EQ(w.texts[k], Wide(a.texts[k])) << k;
    ASSERT_GE(w.texts.size(), 3u);
    EXPECT_EQ(w.texts[0], L"\u5DE5");  // 工
    EXPECT_EQ(w.texts[1], L"\u5F0F");  // 式
    EXPECT_EQ(w.texts[2], third);
    if (third == Wide("节")) {
      std::vector<std::string> listed = a.texts;
      std::sort(listed.begin(), listed.end());
      std::sort(rowsOfA.begin(), rowsOfA.end());
      EXPECT_EQ(listed, rowsOfA) << "every candidate of the code, as text";
    }
  }

  // Pages with the documented calls: the list follows, the application hears of it.
  void PageForwardAndBack() {
    notices.clear();
    EXPECT_TRUE(Notify(NI_SETCANDIDATE_PAGESTART, 0, 7));
    ListCopy<wchar_t> w = ReadW();
    EXPECT_EQ(w.pageStart, 7u);
    EXPECT_EQ(w.selection, 7u);
    EXPECT_TRUE(Notify(NI_SETCANDIDATE_PAGESIZE, 0, 5));
    EXPECT_EQ(ReadW().pageSize, 5u);
    EXPECT_FALSE(Notify(NI_SETCANDIDATE_PAGESIZE, 0, 0)) << "a page of nothing";
    EXPECT_TRUE(Notify(NI_SETCANDIDATE_PAGESTART, 0, 0));
    EXPECT_TRUE(Notify(NI_CHANGECANDIDATELIST, 0, 0));
    w = ReadW();
    EXPECT_EQ(w.pageStart, 0u);
    EXPECT_EQ(w.selection, 0u);
    EXPECT_EQ(w.pageSize, 5u);
    EXPECT_EQ(notices, std::vector<WPARAM>(4, IMN_CHANGECANDIDATE));
    EXPECT_EQ(CandidateWindow(), nullptr);
  }

  void SelectTheThird(const std::wstring& expected) {
    notices.clear();
    EXPECT_TRUE(Notify(NI_SELECTCANDIDATESTR, 0, 2));
    EXPECT_EQ(Text(), expected);
    EXPECT_EQ(notices, std::vector<WPARAM>{IMN_CLOSECANDIDATE});
    EXPECT_EQ(CandidateWindow(), nullptr);
  }

  bool association_ = false;
};

class OwnCandidatesWithAssociationTest : public OwnCandidatesTest {
protected:
  void SetUp() override {
    association_ = true;
    OwnCandidatesTest::SetUp();
  }
};

TEST_F(OwnCandidatesTest, AnApplicationReadsPagesAndChoosesTheCandidates) {
  TypeAAndReadTheList(L"\u8282");  // 节
  PageForwardAndBack();
  SelectTheThird(L"\u8282");
  // Nothing is left listed after the commit.
  HIMC himc = ImmGetContext(edit_);
  EXPECT_EQ(ImmGetCandidateListW(himc, 0, nullptr, 0), 0u);
  ImmReleaseContext(edit_, himc);
}

TEST_F(OwnCandidatesTest, TraditionalOutputListsWhatIsCommitted) {
  SetMode(IME_CMODE_NATIVE | 0x1000);  // traditional output
  notices.clear();
  TypeAAndReadTheList(L"\u7BC0");  // 節
  SelectTheThird(L"\u7BC0");
}

TEST_F(OwnCandidatesWithAssociationTest, TheAssociationListIsReadAndChosenToo) {
  TypeAAndReadTheList(L"\u8282");
  SelectTheThird(L"\u8282");
  const ListCopy<wchar_t> w = ReadW();
  ASSERT_EQ(w.texts, std::vector<std::wstring>{L"\u8282\u65E5"});  // 节日, as the window shows it
  EXPECT_TRUE(Notify(NI_SELECTCANDIDATESTR, 0, 0));
  EXPECT_EQ(Text(), L"\u8282\u65E5");  // only 日 continues what was committed
}

// Without the module's window the keys still reach the page: the third candidate by its
// digit.
TEST_F(OwnCandidatesTest, KeysChooseFromTheListTheApplicationDraws) {
  TypeLetters("a");
  Press('3');
  EXPECT_EQ(Text(), L"\u8282");
  TypeLetters("a");
  Press(VK_NEXT);
  EXPECT_EQ(CandidateWindow(), nullptr);
  const ListCopy<wchar_t> w = ReadW();
  ASSERT_EQ(w.selection, 7u);
  ASSERT_GT(w.texts.size(), 7u);
  Press(VK_SPACE);  // the first candidate of the page
  EXPECT_EQ(Text(), L"\u8282" + w.texts[7]);
}

}  // namespace
