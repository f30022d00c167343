// The module's candidate window on the screen and how it grows, and candidates committed by a
// left click on it, through the real input method manager, in both orientations of the window.
#include "ime/ui/CandidateSizeHold.h"
#include "tests/wine/support/CandidateWindowFixture.h"
#include "tests/wine/support/Screenshot.h"

namespace {

// "a" lists 中 and 文 first (see the fixture's dictionary).
const std::vector<std::string> kFirstRowsOfA = {"中", "文"};

int Height(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

// After a commit, once the vertical window has shrunk to its composition line.
void WaitForTheShrink() { Pump(kShrinkDelayMs + 300); }

// The first letter of a code grows the shown window from its composition line to the page:
// the part it grew by shows its rows on the screen instead of staying black.
TEST_F(CandidateWindowTest, TheRowsOfTheFirstLetterReachTheScreen) {
  UseLayout(true);
  TypeLetters("a");
  Press(VK_SPACE);
  WaitForTheShrink();
  TypeLetters("a");
  HWND window = CandidateWindow();
  ASSERT_NE(window, nullptr);
  RECT frame = {};
  ASSERT_TRUE(GetWindowRect(window, &frame));
  const CandidateLayout l = Layout();
  // The first two rows, across the window's width (the rows' width follows their texts).
  const RECT rows = {frame.left + l.candidateArea.left, frame.top + l.candidateArea.top,
                     frame.right - 2, frame.top + l.candidateArea.top + 2 * l.charHeight};
  const Screenshot shot = CaptureScreen(rows);
  ASSERT_FALSE(shot.Empty());
  const int black = shot.Count(rows, [](COLORREF c) { return c == RGB(0, 0, 0); });
  EXPECT_LT(black, shot.Width() * shot.Height() / 2);
}

// The window's changes of place or size, seen as the thread's window procedures get them.
int windowChanges = 0;
HWND watchedWindow = nullptr;
LRESULT CALLBACK CountWindowChanges(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->hwnd == watchedWindow && call->message == WM_WINDOWPOSCHANGED) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ++windowChanges;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The next word's first letter, typed at once after a commit, finds the window as it was.
// Typed once the window holds only its composition line, it grows it where it stands, in
// one change, instead of moving it at its old size and growing it after.
TEST_F(CandidateWindowTest, TheFirstLetterGrowsTheWindowInOneChange) {
  UseLayout(true);
  TypeLetters("a");
  Press(VK_SPACE);
  watchedWindow = CandidateWindow();
  ASSERT_NE(watchedWindow, nullptr);
  windowChanges = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountWindowChanges, nullptr,
                                 GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  TypeLetters("a");
  EXPECT_EQ(windowChanges, 0) << "typed at once";

  Press(VK_SPACE);
  WaitForTheShrink();
  EXPECT_EQ(Height(watchedWindow), Layout().compLineHeight);
  windowChanges = 0;
  TypeLetters("a");
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(windowChanges, 1) << "typed after the shrink";
}

TEST_F(CandidateWindowTest, LeftClickOnAVerticalRowCommitsItsCandidate) {
  UseLayout(true);
  TypeLetters("a");
  ASSERT_NE(CandidateWindow(), nullptr);
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 1)));
  EXPECT_EQ(Text(), L"\u6587");  // 文, the second row
  // The composition is over: a new code starts afresh and commits from its first row.
  TypeLetters("a");
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 0)));
  EXPECT_EQ(Text(), L"\u6587\u4E2D");
}

TEST_F(CandidateWindowTest, LeftClickOnAHorizontalRowCommitsItsCandidate) {
  UseLayout(false);
  TypeLetters("a");
  ASSERT_NE(CandidateWindow(), nullptr);
  ASSERT_TRUE(ClickCandidateWindow(RowPoint(kFirstRowsOfA, 1)));
  EXPECT_EQ(Text(), L"\u6587");
}

}  // namespace
