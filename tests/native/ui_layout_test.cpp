#include <gtest/gtest.h>

#include "ime/ui/WindowLayout.h"

namespace {

TEST(StatusMetricsTest, NineButtonsOfTwentyPixelsInsideTheBorder) {
  const StatusMetrics m = ComputeStatusMetrics(1, 16);  // h = max(16, 20) = 20
  EXPECT_EQ(m.window.width, 186);
  EXPECT_EQ(m.window.height, 26);
  EXPECT_EQ(m.buttonArea.left, 1);
  EXPECT_EQ(m.buttonArea.top, 3);
  EXPECT_EQ(m.buttonArea.right, 181);
  EXPECT_EQ(m.buttonArea.bottom, 23);
  EXPECT_EQ(m.buttons[3].left, 61);
  EXPECT_EQ(m.buttons[3].right, 81);
  EXPECT_EQ(m.buttons[8].right, m.buttonArea.right);
}

TEST(StatusMetricsTest, TallCharacterCellGrowsTheBar) {
  const StatusMetrics m = ComputeStatusMetrics(2, 24);
  EXPECT_EQ(m.window.width, 192);
  EXPECT_EQ(m.window.height, 36);
  EXPECT_EQ(m.buttons[0].bottom, 30);
}

TEST(StatusMetricsTest, ButtonUnderPoint) {
  const StatusMetrics m = ComputeStatusMetrics(1, 16);
  EXPECT_EQ(StatusButtonAt(m, {1, 3}), 0);
  EXPECT_EQ(StatusButtonAt(m, {20, 10}), 0);
  EXPECT_EQ(StatusButtonAt(m, {21, 10}), 1);
  EXPECT_EQ(StatusButtonAt(m, {180, 22}), 8);
  EXPECT_EQ(StatusButtonAt(m, {181, 10}), -1) << "right border";
  EXPECT_EQ(StatusButtonAt(m, {10, 1}), -1) << "top border";
}

TEST(CandidateLayoutTest, VerticalWithNarrowCharacters) {
  const CandidateLayout l = ComputeCandidateLayout(true, 1, 1, 16, 16);
  EXPECT_EQ(l.compLineHeight, 19);
  EXPECT_EQ(l.compText.right, 65);
  EXPECT_EQ(l.searchModeButton.left, 65);
  EXPECT_EQ(l.searchText.left, 85);
  EXPECT_EQ(l.searchText.right, 235);
  EXPECT_EQ(l.candidateArea.top, 23);
  EXPECT_EQ(l.candidateArea.bottom, 23 + 7 * 16);
  EXPECT_EQ(l.candidateArea.right, 1) << "9W is not above 176";
  EXPECT_EQ(l.baseWidth, 9);
  EXPECT_EQ(l.pageUp.top, 139);
  EXPECT_EQ(l.pageDown.left, 16);
  EXPECT_EQ(l.queryListButton.left, 48);
  EXPECT_EQ(l.playButton.top, 159);
  EXPECT_EQ(l.playButton.right, 21);
  EXPECT_EQ(l.queryText.left, 22);
  EXPECT_EQ(l.baseHeight, 181);
  EXPECT_TRUE(l.queryListShown);
}

TEST(CandidateLayoutTest, VerticalWithWideCharacters) {
  const CandidateLayout l = ComputeCandidateLayout(true, 1, 1, 20, 20);
  EXPECT_EQ(l.candidateArea.right, 181);
  EXPECT_EQ(l.baseWidth, 189);
  EXPECT_EQ(l.queryText.right, 181);
}

TEST(CandidateLayoutTest, Horizontal) {
  const CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  EXPECT_EQ(l.candidateArea.left, 1);
  EXPECT_EQ(l.candidateArea.right, 301);
  EXPECT_EQ(l.candidateArea.bottom, 23 + 18);
  EXPECT_EQ(l.baseWidth, 378);
  EXPECT_EQ(l.pageUp.left, 306);
  EXPECT_EQ(l.queryListButton.right, 370);
  EXPECT_EQ(l.playButton.top, 45);
  EXPECT_EQ(l.playButton.right, 17);
  EXPECT_EQ(l.queryText.right, 65);
  EXPECT_EQ(l.baseHeight, 67);
}

TEST(CandidateLayoutTest, HidingTheQueryListShrinksByTwenty) {
  CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  SetQueryListShown(l, false);
  EXPECT_EQ(l.baseHeight, 47);
  EXPECT_EQ(l.playButton.Height(), 0);
  EXPECT_EQ(l.queryText.Height(), 0);
  SetQueryListShown(l, false);
  EXPECT_EQ(l.baseHeight, 47) << "hiding twice changes nothing";
  SetQueryListShown(l, true);
  EXPECT_EQ(l.baseHeight, 67);
  EXPECT_EQ(l.playButton.Height(), 20);
}

TEST(CandidateLayoutTest, ButtonsMoveToTheRightEdge) {
  CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  MoveButtonsToRightEdge(l, 500);
  EXPECT_EQ(l.pageUp.left, 440);
  EXPECT_EQ(l.pageDown.left, 460);
  EXPECT_EQ(l.queryListButton.left, 480);
  EXPECT_EQ(l.queryListButton.right, 500);
  EXPECT_EQ(l.pageUp.top, l.candidateArea.top) << "only the columns move";
}

TEST(HorizontalRowsTest, RowsSitSideBySideAndWidenTheWindow) {
  const CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  const int widths[] = {40, 60, 30};
  const HorizontalRows rows = PlaceHorizontalRows(l, widths, 3, 1024);
  EXPECT_EQ(rows.placed, 3);
  EXPECT_EQ(rows.slots[0].left, 1);
  EXPECT_EQ(rows.slots[0].right, 41);
  EXPECT_EQ(rows.slots[1].left, 44);
  EXPECT_EQ(rows.slots[2].left, 107);
  EXPECT_EQ(rows.slots[2].right, 137);
  EXPECT_EQ(rows.windowWidth, 4 + 84 + 43 + 63 + 33);
  EXPECT_EQ(rows.slots[3].Width(), 0) << "unused slots stay empty";
}

TEST(HorizontalRowsTest, RowsThatPassTheWorkAreaAreNotPlaced) {
  const CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  const int widths[] = {100, 100, 100, 100, 100, 100, 100};
  // Base width 378 + 103 fits 600; then 191 + 103 per row: 294, 397, 500, 603 > 600.
  const HorizontalRows rows = PlaceHorizontalRows(l, widths, 7, 600);
  EXPECT_EQ(rows.placed, 4);
  EXPECT_EQ(rows.slots[4].Width(), 0);
  const HorizontalRows none = PlaceHorizontalRows(l, widths, 7, 400);
  EXPECT_EQ(none.placed, 0);
  EXPECT_EQ(none.windowWidth, l.baseWidth);
}

TEST(VerticalRowsTest, WidestRowPlusEight) {
  const CandidateLayout l = ComputeCandidateLayout(true, 1, 1, 20, 20);  // base 189
  const int narrow[] = {50, 120};
  EXPECT_EQ(VerticalRowsWidth(l, narrow, 2), 189);
  const int wide[] = {50, 250, 200};
  EXPECT_EQ(VerticalRowsWidth(l, wide, 3), 258);
}

TEST(FinishSizeTest, VerticalWithoutCandidatesShrinksToTheCompositionLine) {
  CandidateLayout l = ComputeCandidateLayout(true, 1, 1, 16, 16);
  const WindowSize s = FinishCandidateSize(l, 100, 0, true);
  EXPECT_EQ(s.size.height, l.compLineHeight);
  EXPECT_TRUE(s.forceResize);
  EXPECT_EQ(s.size.width, l.searchText.right + 21);
  const int wider = s.size.width + 40;
  const WindowSize held = FinishCandidateSize(l, 100, 0, true, {wider, l.baseHeight});
  EXPECT_EQ(held.size.width, wider) << "a size held while the shrink waits";
  EXPECT_EQ(held.size.height, l.baseHeight);
  EXPECT_FALSE(held.forceResize);
}

TEST(FinishSizeTest, HorizontalAreaAndQueryTextFollowTheWidth) {
  CandidateLayout l = ComputeCandidateLayout(false, 1, 1, 16, 16);
  l.searchText.right = 120;
  const WindowSize s = FinishCandidateSize(l, 600, 3, true);
  EXPECT_EQ(s.size.width, 600);
  EXPECT_EQ(s.size.height, l.baseHeight);
  EXPECT_FALSE(s.forceResize);
  EXPECT_EQ(l.candidateArea.right, 600 - 4 - 84);
  EXPECT_EQ(l.queryText.right, 600);
  EXPECT_TRUE(FinishCandidateSize(l, 600, 3, false).forceResize) << "not following the caret";
}

// The cell of "中" as the 12-point font gives it at 96, 144 and 192 DPI.
struct Scale {
  int dpi;
  int cell;
  double atLeast;  // the growth over 96 DPI the user must see
};
const Scale kScales[] = {{144, 24, 1.45}, {192, 32, 1.9}};

TEST(DisplayScaleTest, WindowsGrowWithTheScaleInBothOrientations) {
  const StatusMetrics bar96 = ComputeStatusMetrics(1, 16);
  for (const Scale& scale : kScales) {
    const StatusMetrics bar = ComputeStatusMetrics(1, scale.cell, scale.dpi);
    EXPECT_GE(bar.window.width, scale.atLeast * bar96.window.width) << scale.dpi;
    EXPECT_GE(bar.window.height, scale.atLeast * bar96.window.height) << scale.dpi;
    for (bool vertical : {true, false}) {
      CandidateLayout l96 = ComputeCandidateLayout(vertical, 1, 1, 16, 16);
      CandidateLayout l = ComputeCandidateLayout(vertical, 1, 1, scale.cell, scale.cell, scale.dpi);
      // The size of a page of short rows, as the window takes it.
      const UiSize page96 = FinishCandidateSize(l96, l96.baseWidth, 5, true).size;
      const UiSize page = FinishCandidateSize(l, l.baseWidth, 5, true).size;
      EXPECT_GE(page.width, scale.atLeast * page96.width) << scale.dpi << vertical;
      EXPECT_GE(page.height, scale.atLeast * page96.height) << scale.dpi << vertical;
      EXPECT_GE(l.pageUp.Width(), scale.atLeast * l96.pageUp.Width()) << scale.dpi << vertical;
      EXPECT_GE(l.playButton.Height(), scale.atLeast * l96.playButton.Height()) << scale.dpi;
    }
  }
}

// Hit areas scale with what is drawn: the middle of each drawn status button and of each
// candidate window button is that button, and the buttons still meet edge to edge.
TEST(DisplayScaleTest, ButtonsAreHitWhereTheyAreDrawnAtEveryScale) {
  for (const Scale& scale : kScales) {
    const StatusMetrics bar = ComputeStatusMetrics(1, scale.cell, scale.dpi);
    for (int i = 0; i < kStatusButtonCount; ++i) {
      const UiRect& b = bar.buttons[i];
      EXPECT_EQ(b.Width(), bar.buttonSize);
      EXPECT_EQ(StatusButtonAt(bar, {b.left + bar.buttonSize / 2, b.top + bar.buttonSize / 2}), i)
          << scale.dpi;
    }
    CandidateLayout l = ComputeCandidateLayout(false, 1, 1, scale.cell, scale.cell, scale.dpi);
    MoveButtonsToRightEdge(l, 600);
    EXPECT_EQ(l.pageUp.right, l.pageDown.left);
    EXPECT_EQ(l.pageDown.right, l.queryListButton.left);
    EXPECT_EQ(l.queryListButton.right, 600);
    EXPECT_GE(l.pageUp.Width(), scale.atLeast * 20) << scale.dpi;
    const int hidden = l.baseHeight;
    SetQueryListShown(l, false);
    EXPECT_EQ(l.playButton.Height(), 0);
    EXPECT_GE(hidden - l.baseHeight, scale.atLeast * 20) << scale.dpi;
  }
}

}  // namespace
