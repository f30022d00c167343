// The composition, candidate and guideline blocks of a context and its default positions.
#include <gtest/gtest.h>

#include <cstring>

#include "ime/engine/CandidateList.h"
#include "ime/engine/ContextBlocks.h"
#include "ime/engine/EngineInstance.h"
#include "ime/settings/Globals.h"
#include "ime/ui/ContextPositions.h"
#include "ime/ui/UiState.h"

namespace {

class BlocksTest : public ::testing::Test {
protected:
  BlocksTest() {
    engine = EngineValues{};
    std::strcpy(globals.errorTitle, "错误");
    globals.errorTitleLength = 4;
  }
  ~BlocksTest() override {
    for (HIMCC block : {context.hCompStr, context.hCandInfo, context.hGuideLine})
      if (block) ImmDestroyIMCC(block);
  }

  INPUTCONTEXT context = {};
};

}  // namespace

TEST_F(BlocksTest, CompositionBlockForEightLetterCodes) {
  ASSERT_TRUE(ResetCompositionBlock(&context));
  EXPECT_EQ(ImmGetIMCCSize(context.hCompStr), 299u);
  auto* cs = static_cast<LPCOMPOSITIONSTRING>(ImmLockIMCC(context.hCompStr));
  EXPECT_EQ(cs->dwSize, 299u);
  EXPECT_EQ(cs->dwCompReadAttrOffset, 100u);
  EXPECT_EQ(cs->dwCompAttrOffset, 100u);
  EXPECT_EQ(cs->dwCompReadClauseOffset, 109u);
  EXPECT_EQ(cs->dwCompClauseOffset, 109u);
  EXPECT_EQ(cs->dwCompReadStrOffset, 117u);
  EXPECT_EQ(cs->dwCompStrOffset, 117u);
  EXPECT_EQ(cs->dwResultReadClauseOffset, 135u);
  EXPECT_EQ(cs->dwResultReadStrOffset, 143u);
  EXPECT_EQ(cs->dwResultClauseOffset, 161u);
  EXPECT_EQ(cs->dwResultStrOffset, 169u);
  EXPECT_EQ(cs->dwCompStrLen + cs->dwCursorPos + cs->dwResultStrLen + cs->dwDeltaStart, 0u);
  ImmUnlockIMCC(context.hCompStr);
}

TEST_F(BlocksTest, CompositionBlockIsRemadeForFourLetterCodes) {
  ASSERT_TRUE(ResetCompositionBlock(&context));
  engine.maxCodeLength = 4;
  ASSERT_TRUE(ResetCompositionBlock(&context));
  EXPECT_EQ(ImmGetIMCCSize(context.hCompStr), 279u);
  auto* cs = static_cast<LPCOMPOSITIONSTRING>(ImmLockIMCC(context.hCompStr));
  EXPECT_EQ(cs->dwSize, 279u);
  EXPECT_EQ(cs->dwCompStrOffset, 113u);
  EXPECT_EQ(cs->dwResultStrOffset, 149u);
  ImmUnlockIMCC(context.hCompStr);
}

TEST_F(BlocksTest, CandidateBlockHoldsAnEmptyList) {
  ASSERT_TRUE(ResetCandidateBlock(&context));
  // The layout inside: engine_layouts_test.
  EXPECT_EQ(ImmGetIMCCSize(context.hCandInfo), kCandidateInfoSize);
  CandidateList* list = CandidateListOf(ImmLockIMCC(context.hCandInfo));
  EXPECT_EQ(list->dwPageSize, 7u);
  list->dwCount = 5;
  list->rowsDrawn = 3;
  ImmUnlockIMCC(context.hCandInfo);

  ASSERT_TRUE(ResetCandidateBlock(&context));
  list = CandidateListOf(ImmLockIMCC(context.hCandInfo));
  EXPECT_EQ(list->dwCount, 0u);
  EXPECT_EQ(list->rowsDrawn, 0u);
  ImmUnlockIMCC(context.hCandInfo);
}

TEST_F(BlocksTest, GuidelineBlockCarriesTheErrorTitle) {
  ASSERT_TRUE(ResetGuidelineBlock(&context));
  EXPECT_EQ(ImmGetIMCCSize(context.hGuideLine), 32u);
  auto* guideline = static_cast<LPGUIDELINE>(ImmLockIMCC(context.hGuideLine));
  EXPECT_EQ(guideline->dwSize, 32u);
  EXPECT_EQ(guideline->dwLevel + guideline->dwIndex + guideline->dwStrLen, 0u);
  EXPECT_EQ(guideline->dwStrOffset, 28u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(guideline) + 28, 4), "错误");
  ImmUnlockIMCC(context.hGuideLine);
}

TEST_F(BlocksTest, DefaultPositionsFollowTheWindowAndTheWorkArea) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
  const RECT work = monitor.rcWork;
  const int left = work.right - 100;
  HWND window = CreateWindowExA(0, "STATIC", "app", WS_POPUP, left, 200, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  ui.status.window = {150, 30};
  ui.defaultComposition = {left + 50, 260};
  context.hWnd = window;
  InitContextPositions(&context);
  EXPECT_EQ(context.ptStatusWndPos.x, work.right - 150);  // the window's left + 150 passes the edge
  EXPECT_EQ(context.ptStatusWndPos.y, work.bottom - 30);
  EXPECT_EQ(context.cfCompForm.dwStyle, static_cast<DWORD>(CFS_DEFAULT));
  EXPECT_EQ(context.cfCompForm.ptCurrentPos.x, 50);
  EXPECT_EQ(context.cfCompForm.ptCurrentPos.y, 60);
  EXPECT_EQ(context.fdwInit & (INIT_STATUSWNDPOS | INIT_COMPFORM),
            static_cast<DWORD>(INIT_STATUSWNDPOS | INIT_COMPFORM));

  // Set once: a later call leaves both as they are.
  SetWindowPos(window, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  InitContextPositions(&context);
  EXPECT_EQ(context.ptStatusWndPos.x, work.right - 150);

  context.fdwInit = 0;
  InitContextPositions(&context);
  EXPECT_EQ(context.ptStatusWndPos.x, 10);
  DestroyWindow(window);
}

TEST_F(BlocksTest, NoWindowNoPositions) {
  InitContextPositions(&context);
  EXPECT_EQ(context.fdwInit, 0u);
}
