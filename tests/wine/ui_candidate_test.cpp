// The candidate window's placement, buttons and timers, the status bar's drag and the
// context window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ime/settings/Launch.h"
#include "ime/ui/ContextWindow.h"
#include "ime/ui/CandidateTimers.h"
#include "tests/wine/ui_fixture.h"

namespace {

class UiCandidateTest : public UiWindowsTest {
 protected:
  std::string ResultString() {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    auto* composition = static_cast<LPCOMPOSITIONSTRING>(ImmLockIMCC(context->hCompStr));
    const std::string result(reinterpret_cast<char*>(composition) + composition->dwResultStrOffset,
                             composition->dwResultStrLen);
    ImmUnlockIMCC(context->hCompStr);
    ImmUnlockIMC(himc);
    return result;
  }

  HWND StartComposition(unsigned candidates) {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    context->ptStatusWndPos = {100, 500};
    context->cfCompForm.dwStyle = CFS_DEFAULT;
    ImmUnlockIMC(himc);
    Activate();
    FillCandidates(candidates, "ab");
    return OpenCandidatePage();
  }
};

TEST_F(UiCandidateTest, DefaultFormPutsTheWindowBesideTheStatusBar) {
  HWND window = StartComposition(3);
  ASSERT_NE(window, nullptr);
  const RECT status = WindowRect(Record().statusWnd);
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.left, status.right + 4);
  EXPECT_EQ(r.top, status.top - 10);
}

TEST_F(UiCandidateTest, ForcedPositionIsFollowed) {
  HWND window = StartComposition(3);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->cfCompForm.dwStyle = CFS_FORCE_POSITION;
  POINT target = {400, 300};
  ScreenToClient(app, &target);
  context->cfCompForm.ptCurrentPos = target;
  ImmUnlockIMC(himc);
  SendMessageA(window, WM_IME_NOTIFY, IMN_SETCOMPOSITIONWINDOW, 0);
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.left, 400 - 2 * globals.borderWidth);
  EXPECT_EQ(r.top, 300 - 2 * globals.borderHeight - 10);
}

// A page that grows the vertical window from its composition line (the first letter after
// an empty list) is painted once, at the full size: the window is sized before the paint
// begins, not within it, where the new part would wait for a second paint.
TEST_F(UiCandidateTest, AVerticalWindowGrowingForAPageIsPaintedOnceWhole) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  HWND window = StartComposition(0);
  ASSERT_NE(window, nullptr);
  ASSERT_LT(WindowRect(window).bottom - WindowRect(window).top, ui.candidate.baseHeight);
  FillCandidates(7, "a");
  SendMessageA(uiWindow, WM_IME_COMPOSITION, 'a', 0);
  int paints = 0;
  MSG msg;
  while (PeekMessageA(&msg, window, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    DispatchMessageA(&msg);
    ++paints;
  }
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(WindowRect(window).bottom - WindowRect(window).top, ui.candidate.baseHeight);
  EXPECT_EQ(RowsDrawn(), 7u);
}

// Near the bottom of the work area, the page's new size would take the window past it:
// the window rises to end 10 pixels above the bottom, still beside the status bar.
TEST_F(UiCandidateTest, AVerticalWindowGrowingPastTheBottomRisesAboveIt) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  HWND window = StartComposition(0);
  ASSERT_NE(window, nullptr);
  const RECT status = WindowRect(Record().statusWnd);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->ptStatusWndPos = {100, globals.workArea.bottom - (status.bottom - status.top)};
  ImmUnlockIMC(himc);
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_SETSTATUSWINDOWPOS, 0);
  Pump();
  SendMessageA(window, WM_IME_NOTIFY, IMN_SETCOMPOSITIONWINDOW, 0);
  FillCandidates(7, "a");
  SendMessageA(uiWindow, WM_IME_COMPOSITION, 'a', 0);
  Pump();
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.bottom - r.top, ui.candidate.baseHeight);
  EXPECT_EQ(r.bottom, globals.workArea.bottom - 10);
  EXPECT_EQ(r.left, WindowRect(Record().statusWnd).right + 4);
}

TEST_F(UiCandidateTest, QueryListButtonShrinksTheWindowByTwenty) {
  HWND window = StartComposition(3);
  const int before = WindowRect(window).bottom - WindowRect(window).top;
  const UiRect button = ui.candidate.queryListButton;
  MouseAt(window, button.left + 2, button.top + 2, WM_LBUTTONDOWN);
  Pump();
  EXPECT_FALSE(ui.candidate.queryListShown);
  EXPECT_EQ(WindowRect(window).bottom - WindowRect(window).top, before - 20);
  EXPECT_EQ(ui.candidate.playButton.Height(), 0);
  MouseAt(window, ui.candidate.queryListButton.left + 2, ui.candidate.queryListButton.top + 2,
          WM_LBUTTONDOWN);
  Pump();
  EXPECT_EQ(WindowRect(window).bottom - WindowRect(window).top, before);
}

TEST_F(UiCandidateTest, PageUpOnTheFirstPageKeepsThePage) {
  HWND window = StartComposition(20);
  const UiRect button = ui.candidate.pageUp;
  MouseAt(window, button.left + 2, button.top + 2, WM_LBUTTONDOWN);
  Pump();
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  const DWORD selection = CandidateListOf(ImmLockIMCC(context->hCandInfo))->dwSelection;
  ImmUnlockIMCC(context->hCandInfo);
  ImmUnlockIMC(himc);
  EXPECT_EQ(selection, 0u);
}

TEST_F(UiCandidateTest, SearchModeButtonTogglesAndClearsTheCustomString) {
  HWND window = StartComposition(3);
  engine.customSearch = "北京";
  const UiRect button = ui.candidate.searchModeButton;
  MouseAt(window, button.left + 2, button.top + 2, WM_LBUTTONDOWN);
  EXPECT_EQ(engine.searchMode, 1u);
  EXPECT_EQ(engine.customSearch, "北京");
  MouseAt(window, button.left + 2, button.top + 2, WM_LBUTTONDOWN);
  EXPECT_EQ(engine.searchMode, 0u);
  EXPECT_TRUE(engine.customSearch.empty());
}

TEST_F(UiCandidateTest, AutoHideAfterFiveSecondsUnlessTheSearchTextIsHovered) {
  HWND window = StartComposition(3);
  ASSERT_TRUE(IsWindowVisible(window));
  engine.autoHideArmed = 1;
  engine.autoHideTick = GetTickCount() - 4000;
  AutoHideTimerProc(window, WM_TIMER, kAutoHideTimer, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  engine.autoHideTick = GetTickCount() - 5100;
  ui.searchTextHovered = true;
  AutoHideTimerProc(window, WM_TIMER, kAutoHideTimer, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  ui.searchTextHovered = false;
  AutoHideTimerProc(window, WM_TIMER, kAutoHideTimer, 0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(engine.autoHideArmed, 1) << "the flag stays armed";

  // The next key disarms it; the next visibility update shows the window again although
  // the record still says shown.
  engine.autoHideArmed = 0;
  SendMessageA(uiWindow, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALLCANDIDATEWINDOW);
  Pump();
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(UiCandidateTest, RotationPicksAnEntryWhenTheIntervalHasPassed) {
  HWND window = StartComposition(3);
  queryList.entries = {{"a", ""}, {"b", ""}, {"c", ""}};
  queryList.intervalSeconds = 1;
  const DWORD now = GetTickCount();
  queryList.lastRotation = now - 500;
  RotationTimerProc(window, WM_TIMER, kRotationTimer, 0);
  EXPECT_EQ(queryList.lastRotation, now - 500) << "not yet";
  queryList.lastRotation = now - 1500;
  queryList.rotationActive = false;
  RotationTimerProc(window, WM_TIMER, kRotationTimer, 0);
  EXPECT_EQ(queryList.lastRotation, now - 1500) << "paused under the mouse";
  queryList.rotationActive = true;
  RotationTimerProc(window, WM_TIMER, kRotationTimer, 0);
  EXPECT_GE(queryList.lastRotation, now);
  EXPECT_LT(queryList.currentIndex, 3u);
}

TEST_F(UiCandidateTest, AStoppedQueryLineStaysStoppedInANewWindow) {
  queryList.entries = {{"a", ""}, {"b", ""}};
  queryList.intervalSeconds = 1;
  HWND window = StartComposition(3);
  const UiRect play = ui.candidate.playButton;
  MouseAt(window, play.left + 2, play.top + 2, WM_LBUTTONDOWN);
  ASSERT_FALSE(queryList.playing);

  // The next composition start makes a new window, with its timers.
  SetMsgFlags(0);
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_PRIVATE, 6);
  window = StartComposition(3);
  ASSERT_NE(window, nullptr);
  const DWORD longAgo = GetTickCount() - 5000;
  queryList.lastRotation = longAgo;
  Pump();
  EXPECT_EQ(queryList.lastRotation, longAgo) << "no rotation while stopped";

  MouseAt(window, play.left + 2, play.top + 2, WM_LBUTTONDOWN);
  ASSERT_TRUE(queryList.playing);
  queryList.lastRotation = longAgo;
  Pump();
  EXPECT_NE(queryList.lastRotation, longAgo) << "playing again rotates";
}

TEST_F(UiCandidateTest, ATimeoutOfZeroRotatesTheQueryLineAtMostOnceASecond) {
  const std::string path =
      WriteTempFile("lmt_ui_adlist.ini", "[baseset]\r\ntimeout=0\r\n[a]\r\n[b]\r\n");
  LoadQueryList(path.c_str());
  DeleteFileA(path.c_str());
  ASSERT_NE(StartComposition(3), nullptr);
  const DWORD start = GetTickCount() - 500;
  queryList.lastRotation = start;
  Pump();  // the window's timers run
  EXPECT_EQ(queryList.lastRotation, start);
}

TEST_F(UiCandidateTest, RotationOfAnEmptyListKeepsIndexZero) {
  HWND window = StartComposition(1);
  queryList.entries.clear();
  queryList.lastRotation = GetTickCount() - 10000;
  RotationTimerProc(window, WM_TIMER, kRotationTimer, 0);
  EXPECT_EQ(queryList.currentIndex, 0u);
}

TEST_F(UiCandidateTest, DraggingTheStatusBarOffScreenDropsItInside) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  MouseAt(status, 0, 0, WM_LBUTTONDOWN);  // the border
  ASSERT_NE(GetSlot(status, 0), kNoDrag);
  SetCursorPos(globals.workArea.right - 5, globals.workArea.bottom - 2);
  SendMessageA(status, WM_MOUSEMOVE, 0, 0);
  SendMessageA(status, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(GetSlot(status, 0), kNoDrag);
  POINT stored = {};
  ImmGetStatusWindowPos(himc, &stored);
  EXPECT_EQ(stored.x, globals.workArea.right - ui.status.window.width);
  EXPECT_EQ(stored.y, globals.workArea.bottom - ui.status.window.height);
}

TEST_F(UiCandidateTest, ADragWhoseMouseIsTakenElsewhereEndsWhereItStarted) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  POINT before = {};
  ImmGetStatusWindowPos(himc, &before);
  MouseAt(status, 0, 0, WM_LBUTTONDOWN);
  ASSERT_NE(GetSlot(status, 0), kNoDrag);
  SetCapture(app);  // as a dialog or a task switch does
  EXPECT_EQ(GetSlot(status, 0), kNoDrag);
  SendMessageA(status, WM_LBUTTONUP, 0, 0);
  ReleaseCapture();
  POINT after = {};
  ImmGetStatusWindowPos(himc, &after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
}

TEST_F(UiCandidateTest, ContextWindowOpensAboveTheStatusBar) {
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->ptStatusWndPos = {100, 500};
  ImmUnlockIMC(himc);
  Activate();
  ShowContextWindow(Record().statusWnd);
  Pump();
  ASSERT_TRUE(IsWindowVisible(ui.contextWindow));
  const RECT status = WindowRect(Record().statusWnd);
  const RECT popup = WindowRect(ui.contextWindow);
  EXPECT_EQ(popup.right, status.right);
  EXPECT_EQ(popup.bottom, status.top + 2);
  ShowWindow(ui.contextWindow, SW_HIDE);
}

// The soft keyboard follows the mode: made and shown while it is on, destroyed when it is
// off. A host without a system soft keyboard (Wine has none) makes none, and then nothing
// may claim one.
TEST_F(UiCandidateTest, SoftKeyboardFollowsTheMode) {
  HWND probe = ImmCreateSoftKeyboard(SOFTKEYBOARD_TYPE_C1, uiWindow, 0, 0);
  const bool hostHasOne = probe != nullptr;
  if (probe) ImmDestroySoftKeyboard(probe);
  Activate();
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    record->uiFlags &= ~kUiSoftKbdWanted;  // so that the update must set it
    UnlockUiRecord(uiWindow);
  }

  ImmSetConversionStatus(himc, IME_CMODE_NATIVE | IME_CMODE_SOFTKBD, 0);
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_PRIVATE, 5);
  Pump();
  const UiRecord on = Record();
  EXPECT_TRUE(on.uiFlags & kUiSoftKbdWanted);
  EXPECT_EQ(on.softKbdWnd != nullptr, hostHasOne);
  EXPECT_EQ(on.softKbdShow, hostHasOne ? SW_SHOWNOACTIVATE : 0);
  EXPECT_TRUE(!hostHasOne || IsWindowVisible(on.softKbdWnd));

  ImmSetConversionStatus(himc, IME_CMODE_NATIVE, 0);
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_PRIVATE, 5);
  EXPECT_EQ(Record().softKbdWnd, nullptr);
  EXPECT_EQ(Record().softKbdShow, 0);
  EXPECT_TRUE(!hostHasOne || !IsWindow(on.softKbdWnd)) << "destroyed";
}

TEST_F(UiCandidateTest, LeftClickOnACandidateCommitsIt) {
  HWND window = StartComposition(5);
  const UiRect slot = ui.horizontalSlots[1];
  ASSERT_GT(slot.Width(), 0);
  MouseAt(window, slot.left + 2, slot.top + 2, WM_LBUTTONDOWN);
  EXPECT_EQ(ResultString(), "候选2");
}

TEST_F(UiCandidateTest, LeftClickCommitsTheVerticalRowAsDrawnFromAnyPageStart) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  Activate();
  FillCandidates(10, "ab");
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  CandidateListOf(ImmLockIMCC(context->hCandInfo))->dwSelection = 3;  // as an application may
  ImmUnlockIMCC(context->hCandInfo);
  ImmUnlockIMC(himc);
  HWND window = OpenCandidatePage();
  ASSERT_TRUE(ui.candidate.vertical);
  ASSERT_EQ(RowsDrawn(), 7u);
  const CandidateLayout& l = ui.candidate;
  MouseAt(window, l.candidateArea.left + 4, l.candidateArea.top + l.charHeight / 2, WM_LBUTTONDOWN);
  EXPECT_EQ(ResultString(), "候选4");
}

TEST_F(UiCandidateTest, ContextWindowPagesTheLinkListByEight) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "[entry" + std::to_string(i) + "]\r\nlink=http://example.org/%s\r\n";
  const std::string path = UseLinkList(text);

  Activate();
  ui.contextFirstEntry = 0;
  ShowContextWindow(Record().statusWnd);
  Pump();
  ASSERT_EQ(linkList.entries.size(), 10u);
  RECT client = {};
  GetClientRect(ui.contextWindow, &client);
  // The page buttons sit at the bottom right: page down is their right half.
  const int pageDownX = client.right - 14 - 24 + 20;
  const int buttonsY = client.bottom - 178 + 158 + 4;
  MouseAt(ui.contextWindow, pageDownX, buttonsY, WM_LBUTTONDOWN);
  EXPECT_EQ(ui.contextFirstEntry, 8);
  MouseAt(ui.contextWindow, pageDownX, buttonsY, WM_LBUTTONDOWN);
  EXPECT_EQ(ui.contextFirstEntry, 8) << "no page after the last";
  MouseAt(ui.contextWindow, pageDownX - 12, buttonsY, WM_LBUTTONDOWN);
  EXPECT_EQ(ui.contextFirstEntry, 0);
  EXPECT_TRUE(IsWindowVisible(ui.contextWindow)) << "paging keeps the popup open";
  ShowWindow(ui.contextWindow, SW_HIDE);
  DeleteFileA(path.c_str());
  globals.linkListPath[0] = '\0';
}

}  // namespace
