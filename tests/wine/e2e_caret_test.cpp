// The candidate window at the caret of the application, through the real input method
// manager, for applications that tell the input method nothing (Wine's EDIT and rich-edit
// controls give no composition position), and for those that tell it in each of the ways
// they can: a composition point, a candidate form excluding the line, or the answer to
// IMR_QUERYCHARPOSITION. A window without a caret keeps the window beside the status bar.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tests/wine/support/CandidateWindowFixture.h"

#include <richedit.h>

namespace {

// How far a screen rectangle lies from another (0 when they touch or overlap).
double Distance(const RECT& a, const RECT& b) {
  const LONG dx = std::max<LONG>({0, b.left - a.right, a.left - b.right});
  const LONG dy = std::max<LONG>({0, b.top - a.bottom, a.top - b.bottom});
  return std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT common = {};
  return IntersectRect(&common, &a, &b) != FALSE;
}

// The caret the thread shows, in screen coordinates; empty when there is none.
RECT ShownCaret() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  RECT r = {};
  if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !info.hwndCaret) return r;
  r = info.rcCaret;
  MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// What the test window of the application kind tells the input method, in its client
// coordinates: the character line at (200, 120), 20 pixels high.
enum class Telling { kNothing, kCompositionPoint, kExcludedLine, kCharacterPosition };
Telling telling = Telling::kNothing;
const RECT kLine = {200, 120, 201, 140};

LRESULT CALLBACK TellingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_IME_STARTCOMPOSITION) {
    HIMC himc = ImmGetContext(window);
    if (telling == Telling::kCompositionPoint) {
      COMPOSITIONFORM form = {CFS_POINT, {kLine.left, kLine.top}, {}};
      ImmSetCompositionWindow(himc, &form);
    } else if (telling == Telling::kExcludedLine) {
      CANDIDATEFORM form = {0, CFS_EXCLUDE, {kLine.left, kLine.bottom}, kLine};
      ImmSetCandidateWindow(himc, &form);
    }
    ImmReleaseContext(window, himc);
  }
  if (message == WM_IME_REQUEST && wParam == IMR_QUERYCHARPOSITION &&
      telling == Telling::kCharacterPosition) {
    auto* position = reinterpret_cast<IMECHARPOSITION*>(lParam);
    POINT p = {kLine.left, kLine.top};
    ClientToScreen(window, &p);
    position->pt = p;
    position->cLineHeight = kLine.bottom - kLine.top;
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class CaretTest : public CandidateWindowTest {
 protected:
  void SetUp() override {
    CandidateWindowTest::SetUp();
    if (HasFatalFailure()) return;
    UseLayout(true);
    // A window tall enough for lines of text, away from the status bar at the bottom left.
    SetWindowPos(window_, nullptr, 300, 60, 600, 400, SWP_NOZORDER);
    ShowWindow(edit_, SW_HIDE);
  }

  // Focuses the control and types a code in it: the candidate window's screen rectangle.
  RECT TypeIn(HWND control) {
    SetFocus(control);
    Pump(200);
    TypeLetters("a");
    HWND candidates = CandidateWindow();
    RECT r = {};
    if (candidates) GetWindowRect(candidates, &r);
    return r;
  }

  // A multi-line editor control holding a few lines, its caret at their end.
  HWND Editor(const wchar_t* className) {
    HWND control = CreateWindowW(className, L"",
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL,
                                 10, 10, 560, 340, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!control) return nullptr;
    SetWindowTextW(control, L"First line of text\r\nSecond line\r\nThird line, and the caret ");
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    return control;
  }

  HWND TellingControl(Telling kind) {
    telling = kind;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TellingWindow;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"E2ETellingWindow";
    RegisterClassW(&wc);
    return CreateWindowW(L"E2ETellingWindow", L"", WS_CHILD | WS_VISIBLE, 10, 10, 560, 340,
                         window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  RECT ScreenLine(HWND control) {
    RECT r = kLine;
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  // The window lies near the line and leaves it free.
  void ExpectBeside(const RECT& window, const RECT& line, const char* what) {
    ASSERT_GT(window.right, window.left) << what << ": no candidate window";
    const double distance = Distance(window, line);
    std::printf("%s: candidate window (%ld,%ld)-(%ld,%ld), %.0f px from the line (%ld,%ld)-(%ld,%ld)\n",
                what, window.left, window.top, window.right, window.bottom, distance, line.left,
                line.top, line.right, line.bottom);
    EXPECT_LE(distance, 60.0) << what;
    EXPECT_FALSE(Overlap(window, line)) << what;
  }

  // An application that tells where its line is, and also shows a caret far from the line:
  // what it tells wins.
  void ExpectToldLineFollowed(Telling kind, const char* what) {
    HWND control = TellingControl(kind);
    ASSERT_NE(control, nullptr);
    CreateCaret(control, nullptr, 2, 16);
    SetCaretPos(450, 300);
    ExpectBeside(TypeIn(control), ScreenLine(control), what);
  }
};

TEST_F(CaretTest, APlainEditGetsTheWindowAtItsCaret) {
  HWND control = Editor(L"EDIT");
  ASSERT_NE(control, nullptr);
  const RECT window = TypeIn(control);
  const RECT caret = ShownCaret();
  ASSERT_GT(caret.bottom, caret.top);
  ExpectBeside(window, caret, "EDIT");
}

TEST_F(CaretTest, ARichEditGetsTheWindowAtItsCaret) {
  ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
  HWND control = Editor(RICHEDIT_CLASSW);
  ASSERT_NE(control, nullptr);
  const RECT window = TypeIn(control);
  const RECT caret = ShownCaret();
  ASSERT_GT(caret.bottom, caret.top);
  ExpectBeside(window, caret, "rich edit");
}

TEST_F(CaretTest, ACompositionPointIsFollowed) {
  ExpectToldLineFollowed(Telling::kCompositionPoint, "CFS_POINT");
}

TEST_F(CaretTest, ACandidateFormExcludingTheLineIsFollowed) {
  ExpectToldLineFollowed(Telling::kExcludedLine, "CFS_EXCLUDE");
}

TEST_F(CaretTest, TheCharacterPositionTheApplicationAnswersIsFollowed) {
  ExpectToldLineFollowed(Telling::kCharacterPosition, "IMR_QUERYCHARPOSITION");
}

// Nothing to go by: the window opens beside the status bar, right of it.
TEST_F(CaretTest, AWindowWithoutACaretKeepsTheWindowBesideTheStatusBar) {
  HWND control = TellingControl(Telling::kNothing);
  ASSERT_NE(control, nullptr);
  const RECT window = TypeIn(control);
  ASSERT_GT(window.right, window.left);
  HWND status = FindWindowA(ModuleString(IDS_CLASS_STATUS).c_str(), nullptr);
  ASSERT_NE(status, nullptr);
  RECT bar = {};
  GetWindowRect(status, &bar);
  EXPECT_EQ(window.left, bar.right + 4);
  EXPECT_LE(Distance(window, bar), 60.0);
}

}  // namespace
