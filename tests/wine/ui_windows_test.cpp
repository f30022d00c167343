// The UI window with its status bar, candidate window, hint and context popups, driven
// the way the input method manager drives them, on a context made here.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "ime/ui/CandidateSizeHold.h"
#include "ime/ui/HintWindow.h"
#include "ime/ui/StatusClicks.h"
#include "ime/ui/UiPaint.h"
#include "tests/wine/support/AllocationFailure.h"
#include "tests/wine/support/HeldLocks.h"
#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/ui_fixture.h"

extern "C" UINT WINAPI ImeToAsciiEx(UINT, UINT, CONST LPBYTE, LPTRANSMSGLIST, UINT, HIMC);

namespace {

// Allocations failing inside the module (a host out of memory, a row too large to hold) end
// the call as a refusal: nothing escapes an entry point or a window procedure to the host.
TEST_F(UiWindowsTest, FailedAllocationsAreAnsweredNotThrown) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  const UiRect& button = ui.status.buttons[0];
  struct {
    UINT count;
    TRANSMSG entries[10];
  } buffer = {10, {}};
  BYTE keys[256] = {};
  UINT messages = 1;
  {
    AllocationsFail failing;
    messages = ImeToAsciiEx('A' | ('a' << 8), 0x1E, keys,
                            reinterpret_cast<LPTRANSMSGLIST>(&buffer), 0, himc);
    // Over a button the bar builds the button's tooltip text.
    MouseAt(status, (button.left + button.right) / 2, (button.top + button.bottom) / 2,
            WM_MOUSEMOVE);
  }
  EXPECT_EQ(messages, 0u);
}

// The windows lock the context while they read it: a failure inside (the paint of a page,
// a candidate's tooltip, the bar's soft-keyboard button, an activation) must leave no lock
// held. Each path runs with the first, then the second, ... allocation failing until it runs
// through; the window then draws the page as before.
TEST_F(UiWindowsTest, AFailureInsideAWindowLeavesNoLockHeld) {
  Activate();
  FillCandidates(20, "ab");
  // Rows too long to be held without an allocation.
  for (unsigned k = 0; k < 20; ++k) {
    std::snprintf(globals.candidatePool[k], kCandidateBufferSize, "0很长很长的一个候选词语%u", k);
  }
  ListPool(20);
  HWND candidates = OpenCandidatePage();
  HWND status = Record().statusWnd;
  ASSERT_NE(candidates, nullptr);
  ASSERT_NE(status, nullptr);
  const DWORD rowsBefore = RowsDrawn();
  ASSERT_GT(rowsBefore, 0u);
  const UiRect& rows = ui.candidate.candidateArea;
  const std::vector<std::pair<const char*, std::function<void()>>> paths = {
      {"candidate paint",
       [&] { RedrawWindow(candidates, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
      {"candidate tooltip",
       [&] { MouseAt(candidates, rows.left + 4, rows.top + 4, WM_MOUSEMOVE); }},
      {"soft keyboard button", [&] { StatusButtonClick(status, himc, kSoftKeyboardButton); }},
      {"activation",
       [&] { SendMessageA(uiWindow, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALLCANDIDATEWINDOW); }},
  };
  for (const auto& [name, path] : paths) {
    bool failed = true;
    for (long succeeding = 0; failed && succeeding < 5000; ++succeeding) {
      {
        AllocationsFail failing(succeeding);
        path();
        failed = failing.Failed();
      }
      ASSERT_EQ(HeldLocks(himc), "") << name << " with allocation " << succeeding + 1
                                     << " failing";
    }
    EXPECT_FALSE(failed) << name << " never ran through";
  }

  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  RedrawWindow(Record().candCompWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(RowsDrawn(), rowsBefore);
  EXPECT_EQ(HeldLocks(himc), "");
}

TEST_F(UiWindowsTest, ControlsWithoutChildren) {
  COMPOSITIONFORM form = {};
  EXPECT_EQ(SendMessageA(uiWindow, WM_IME_CONTROL, IMC_GETCOMPOSITIONWINDOW,
                         reinterpret_cast<LPARAM>(&form)), 1);
  EXPECT_EQ(SendMessageA(uiWindow, WM_IME_CONTROL, IMC_GETSTATUSWINDOWPOS, 0), 0);
  EXPECT_EQ(SendMessageA(uiWindow, WM_IME_CONTROL, IMC_GETCANDIDATEPOS, 0), 1);
}

TEST_F(UiWindowsTest, ActivationOpensTheStatusBarInsideTheWorkArea) {
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->ptStatusWndPos = {-50, globals.workArea.bottom + 100};
  ImmUnlockIMC(himc);
  Activate();
  const UiRecord record = Record();
  ASSERT_NE(record.statusWnd, nullptr);
  EXPECT_TRUE(IsWindowVisible(record.statusWnd));
  EXPECT_TRUE(record.uiFlags & kUiStatusOpen);
  const RECT r = WindowRect(record.statusWnd);
  EXPECT_EQ(r.left, globals.workArea.left);
  EXPECT_EQ(r.bottom, globals.workArea.bottom);
  EXPECT_EQ(r.right - r.left, ui.status.window.width);
  const LRESULT packed = SendMessageA(uiWindow, WM_IME_CONTROL, IMC_GETSTATUSWINDOWPOS, 0);
  EXPECT_EQ(static_cast<short>(LOWORD(packed)), r.left);
  EXPECT_EQ(static_cast<short>(HIWORD(packed)), r.top);
  EXPECT_NE(ui.hintWindow, nullptr);
  EXPECT_NE(ui.contextWindow, nullptr);
}

TEST_F(UiWindowsTest, ShowStatusZeroKeepsTheBarClosed) {
  SetString(kCaretKeyPath, "show status", "0");
  Activate();
  EXPECT_EQ(Record().statusWnd, nullptr);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kCaretKeyPath, "show status");
}

TEST_F(UiWindowsTest, StatusPositionBelowTheWorkAreaIsPulledBack) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->ptStatusWndPos = {50, globals.workArea.bottom + 300};
  ImmUnlockIMC(himc);
  SendMessageA(status, WM_IME_NOTIFY, IMN_SETSTATUSWINDOWPOS, 0);
  const RECT r = WindowRect(status);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.bottom, globals.workArea.bottom);
}

TEST_F(UiWindowsTest, DeactivationHidesTheChildren) {
  Activate();
  HWND status = Record().statusWnd;
  SendMessageA(uiWindow, WM_IME_SETCONTEXT, FALSE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(status));
}

TEST_F(UiWindowsTest, SchemeButtonWritesTheSchemeAtOnce) {
  Activate();
  EXPECT_EQ(engine.maxCodeLength, 4);
  StatusButtonClick(Record().statusWnd, himc, 1);
  EXPECT_EQ(globals.sxScheme, 1);
  EXPECT_EQ(engine.maxCodeLength, 8);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 0, size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "声型", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(value, 1u);
  DWORD mode = 0, sentence = 0;
  ImmGetConversionStatus(himc, &mode, &sentence);
  EXPECT_TRUE(mode & 0x2000);
}

TEST_F(UiWindowsTest, ClickOnAClosedInputMethodOnlyOpensIt) {
  Activate();
  ImmSetOpenStatus(himc, FALSE);
  StatusButtonClick(Record().statusWnd, himc, 4);
  EXPECT_TRUE(ImmGetOpenStatus(himc));
  DWORD mode = 0, sentence = 0;
  ImmGetConversionStatus(himc, &mode, &sentence);
  EXPECT_FALSE(mode & IME_CMODE_FULLSHAPE);
}

TEST_F(UiWindowsTest, CodeInputForbidsWidthButReturnsToChinese) {
  Activate();
  ImmSetConversionStatus(himc, IME_CMODE_CHARCODE, 0);
  StatusButtonClick(Record().statusWnd, himc, 4);
  DWORD mode = 0, sentence = 0;
  ImmGetConversionStatus(himc, &mode, &sentence);
  EXPECT_EQ(mode, static_cast<DWORD>(IME_CMODE_CHARCODE));
  StatusButtonClick(Record().statusWnd, himc, 0);
  ImmGetConversionStatus(himc, &mode, &sentence);
  EXPECT_EQ(mode, static_cast<DWORD>(IME_CMODE_NATIVE));
}

TEST_F(UiWindowsTest, StartCompositionCreatesOneCandidateWindow) {
  Activate();
  SetMsgFlags(kMsgCompositionStarted);
  SendMessageA(uiWindow, WM_IME_STARTCOMPOSITION, 0, 0);
  HWND first = Record().candCompWnd;
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(IsWindowVisible(first));
  SendMessageA(uiWindow, WM_IME_STARTCOMPOSITION, 0, 0);
  EXPECT_EQ(Record().candCompWnd, first);
  SendMessageA(uiWindow, WM_IME_ENDCOMPOSITION, 0, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(first)) << "the end of the composition leaves it on screen";

  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_PRIVATE, 6);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(Record().candCompWnd, nullptr);
  EXPECT_EQ(Record().candCompShow, 0);
}

TEST_F(UiWindowsTest, HorizontalPageShowsSevenRows) {
  Activate();
  FillCandidates(20, "ab");
  OpenCandidatePage();
  EXPECT_EQ(RowsDrawn(), 7u);
  EXPECT_EQ(ui.searchText, "候选1") << "the search text follows the list";
  const RECT r = WindowRect(Record().candCompWnd);
  EXPECT_GT(r.right - r.left, ui.candidate.baseWidth - 1);
  EXPECT_EQ(r.bottom - r.top, ui.candidate.baseHeight);
}

// Started with "竖向排列" = 1, its default: the first activation finds no change of
// orientation, which would cancel the input and open a context the application closed.
class UiStartedVerticalTest : public UiWindowsTest {
 protected:
  DWORD StartupLayout() const override { return 1; }
};

TEST_F(UiStartedVerticalTest, FirstActivationLeavesTheContextAsItWas) {
  EXPECT_TRUE(ui.candidate.vertical);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->fOpen = FALSE;
  ImmUnlockIMC(himc);
  Activate();
  context = ImmLockIMC(himc);
  EXPECT_FALSE(context->fOpen);
  ImmUnlockIMC(himc);
}

TEST_F(UiWindowsTest, LayoutSwitchAtActivationDropsTheWindowAndPlacesTheBar) {
  Activate();  // horizontal, as at the last activation
  SetMsgFlags(kMsgCompositionStarted);
  SendMessageA(uiWindow, WM_IME_STARTCOMPOSITION, 0, 0);
  HWND horizontal = Record().candCompWnd;
  ASSERT_NE(horizontal, nullptr);

  SetDword(kSettingsKeyPath, "竖向排列", 1);
  Activate();
  EXPECT_FALSE(IsWindow(horizontal)) << "made again for the new orientation when needed";
  EXPECT_TRUE(ui.candidate.vertical);
  EXPECT_EQ(ui.lastLayout, 1u);

  POINT moved = {300, 300};
  ImmSetStatusWindowPos(himc, &moved);
  Activate();  // unchanged: the bar stays where it was put
  POINT position = {};
  ImmGetStatusWindowPos(himc, &position);
  EXPECT_EQ(position.x, 300);

  SetDword(kSettingsKeyPath, "竖向排列", 0);
  Activate();
  EXPECT_FALSE(ui.candidate.vertical);
  ImmGetStatusWindowPos(himc, &position);
  EXPECT_EQ(position.x, 0);  // the horizontal window goes with the bar at the bottom-left
  EXPECT_EQ(position.y, globals.workArea.bottom - ui.status.window.height);
}

// Emptied, a vertical list shrinks the window to the composition line after a moment: a
// first letter typed at once finds the page as it was, and candidates again stop the shrink.
TEST_F(UiWindowsTest, VerticalWithoutCandidatesShrinksToTheCompositionLine) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  Activate();
  EXPECT_TRUE(ui.candidate.vertical);
  FillCandidates(3, "x");
  const HWND window = OpenCandidatePage();
  const auto height = [&] { return WindowRect(window).bottom - WindowRect(window).top; };
  const int page = height();
  ASSERT_GT(page, ui.candidate.compLineHeight);

  FillCandidates(0, "");
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  Pump();
  EXPECT_EQ(height(), page);
  FillCandidates(3, "y");
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  Pump(kShrinkDelayMs + 200);
  EXPECT_EQ(height(), page) << "candidates came back before the shrink";

  FillCandidates(0, "");
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  Pump(kShrinkDelayMs + 200);
  EXPECT_EQ(height(), ui.candidate.compLineHeight);
}

// A page of shorter rows keeps the window's width for a moment, then the window narrows.
TEST_F(UiWindowsTest, ANarrowerPageNarrowsTheWindowAfterAMoment) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  Activate();
  std::snprintf(globals.candidatePool[0], kCandidateBufferSize, "0%s",
                "一个比窗口的基本宽度宽得多的很长很长的候选词语");
  ListPool(1);
  const HWND window = OpenCandidatePage();
  const auto width = [&] { return WindowRect(window).right - WindowRect(window).left; };
  const int wide = width();
  FillCandidates(3, "x");
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  Pump();
  EXPECT_EQ(width(), wide);
  Pump(kShrinkDelayMs + 200);
  EXPECT_LT(width(), wide);
}

TEST_F(UiWindowsTest, TooltipOfAStatusButtonShowsAboveTheBar) {
  Activate();
  HWND status = Record().statusWnd;
  const RECT bar = WindowRect(status);
  int shown = -1;
  ShowTooltip(&shown, 2, true, status, "简/繁输出(简体)", "", HintPlacement::kAboveOwner,
              bar.left + 41);
  Pump();
  ASSERT_TRUE(IsWindowVisible(ui.hintWindow));
  const RECT hint = WindowRect(ui.hintWindow);
  EXPECT_EQ(hint.bottom, bar.top);
  EXPECT_EQ(hint.left, bar.left + 41);
  EXPECT_EQ(shown, 2);
  ClearTooltip(&shown);
  EXPECT_FALSE(IsWindowVisible(ui.hintWindow));
}

// A hint is as tall as its lines: a status button's one line does not sit in the box of
// two.
TEST_F(UiWindowsTest, HintBoxFitsItsLines) {
  Activate();
  HWND status = Record().statusWnd;
  const RECT bar = WindowRect(status);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateSongFont(9);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE line = {};
  GetTextExtentPoint32A(dc, "中", 2, &line);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  int shown = -1;
  ShowTooltip(&shown, 2, true, status, "简/繁输出(简体)", "", HintPlacement::kAboveOwner,
              bar.left + 41);
  Pump();
  const RECT one = WindowRect(ui.hintWindow);
  EXPECT_GE(one.bottom - one.top, line.cy);
  ShowTooltip(&shown, 14, true, status, "简/繁输出(简体)", "简/繁输出(简体)",
              HintPlacement::kAboveOwner, bar.left + 41);
  Pump();
  const RECT two = WindowRect(ui.hintWindow);
  EXPECT_GE(two.bottom - two.top, (one.bottom - one.top) + line.cy)
      << "the room of the second line is the second line's";
  ClearTooltip(&shown);
}

// The web button's popup opens over the bar's right end, where the button's own hint
// shows: the hint moves beside it, readable whole.
TEST_F(UiWindowsTest, WebButtonPopupLeavesItsHintReadable) {
  Activate();
  HWND status = Record().statusWnd;
  const StatusMetrics& m = ui.status;
  MouseAt(status, m.buttons[8].left + 5, m.buttons[8].top + 5, WM_MOUSEMOVE);
  Pump();
  ASSERT_TRUE(ui.hintWindow && IsWindowVisible(ui.hintWindow));
  MouseAt(status, m.buttons[8].left + 5, m.buttons[8].top + 5, WM_LBUTTONDOWN);
  Pump();
  ASSERT_TRUE(ui.contextWindow && IsWindowVisible(ui.contextWindow));
  ASSERT_TRUE(IsWindowVisible(ui.hintWindow));
  RECT hint = WindowRect(ui.hintWindow), popup = WindowRect(ui.contextWindow), shared = {};
  EXPECT_FALSE(IntersectRect(&shared, &hint, &popup));
  ShowWindow(ui.contextWindow, SW_HIDE);
  HideHint();
}

// The hint and context windows serve every status bar of the process, whichever UI window
// made the first bar.
TEST_F(UiWindowsTest, TooltipsAndTheWebButtonOutliveTheFirstUiWindow) {
  Activate();
  HIMC secondContext = CreateSelectedContext();
  ASSERT_NE(secondContext, nullptr);
  HWND secondUi = CreateUiWindow(secondContext);
  ASSERT_NE(secondUi, nullptr);
  SendMessageA(secondUi, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALLCANDIDATEWINDOW);
  DestroyWindow(uiWindow);
  uiWindow = nullptr;
  Pump();

  UiRecord record = {};
  if (UiRecord* locked = LockUiRecord(secondUi)) {
    record = *locked;
    UnlockUiRecord(secondUi);
  }
  ASSERT_NE(record.statusWnd, nullptr);
  const StatusMetrics& m = ui.status;
  MouseAt(record.statusWnd, m.buttons[2].left + 5, m.buttons[2].top + 5, WM_MOUSEMOVE);
  Pump();
  EXPECT_TRUE(ui.hintWindow && IsWindowVisible(ui.hintWindow)) << "the tooltip shows";
  MouseAt(record.statusWnd, m.buttons[8].left + 5, m.buttons[8].top + 5, WM_LBUTTONDOWN);
  Pump();
  ASSERT_TRUE(ui.contextWindow && IsWindowVisible(ui.contextWindow)) << "the web button works";
  EXPECT_EQ(WindowRect(ui.contextWindow).right, WindowRect(record.statusWnd).right)
      << "above the bar whose button was clicked";
  ShowWindow(ui.contextWindow, SW_HIDE);
  HideHint();

  DestroyWindow(secondUi);
  ImeSelect(secondContext, FALSE);
  ImmDestroyContext(secondContext);
}

}  // namespace
