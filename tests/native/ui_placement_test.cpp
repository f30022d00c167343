#include <gtest/gtest.h>

#include <vector>

#include "ime/ui/MonitorChoice.h"
#include "ime/ui/Placement.h"

namespace {

const UiRect kWork = {0, 0, 1024, 768};

CaretPlacementInput HorizontalText(UiPoint caret) {
  CaretPlacementInput in = {};
  in.caret = caret;
  in.fontHeight = -16;
  in.charWidth = 16;
  in.charHeight = 16;
  in.baseSize = {200, 100};
  in.current = {0, 0};
  in.currentSize = {200, 100};
  in.parallelDistance = 0;
  in.perpendicularDistance = 16;
  in.perpendicularTolerance = 16;
  in.cx = 1;
  in.cy = 1;
  in.workArea = kWork;
  return in;
}

TEST(CaretPlacementTest, HorizontalTextGoesBelowTheCaretLine) {
  const PlacementResult r = CaretRelativePlacement(HorizontalText({300, 200}));
  EXPECT_TRUE(r.move);
  EXPECT_EQ(r.position.x, 300 + 4);
  EXPECT_EQ(r.position.y, 200 + 16 + 16 + 4);
}

TEST(CaretPlacementTest, NoRoomBelowGoesAboveTheCaret) {
  const PlacementResult r = CaretRelativePlacement(HorizontalText({300, 700}));
  EXPECT_TRUE(r.move);
  EXPECT_EQ(r.position.x, 304);
  EXPECT_EQ(r.position.y, 700 - 16 + 4 - 100);
}

TEST(CaretPlacementTest, FontWidthSetsTheCharacterSize) {
  CaretPlacementInput in = HorizontalText({300, 200});
  in.fontWidth = 10;  // character width 20; the height stays 16
  in.escapement = 900;  // vertical text: direction 1, the window goes right of the caret
  const PlacementResult r = CaretRelativePlacement(in);
  EXPECT_EQ(r.position.x, 300 + 20 + 16 + 4);
  EXPECT_EQ(r.position.y, 200 + 4 - 100);
}

TEST(CaretPlacementTest, ANearbyWindowStays) {
  CaretPlacementInput in = HorizontalText({300, 200});
  in.current = {304, 236 + 10};  // within the perpendicular tolerance below the new point
  EXPECT_FALSE(CaretRelativePlacement(in).move);
  in.current = {304, 236 + 17};
  EXPECT_TRUE(CaretRelativePlacement(in).move);
  in.current = {310, 236};
  EXPECT_TRUE(CaretRelativePlacement(in).move) << "the parallel tolerance is 0";
}

TEST(CaretPlacementTest, NegativeEscapementIsADirection) {
  CaretPlacementInput in = HorizontalText({300, 200});
  in.escapement = -900;  // direction 3
  in.orientation = -900;
  const PlacementResult r = CaretRelativePlacement(in);
  EXPECT_EQ(r.position.x, 300 - 16 - 16 + 4 - 200);
  EXPECT_EQ(r.position.y, 204);
}

TEST(CaretPlacementTest, UpsideDownTextKeepsOnlyThePerpendicularDistance) {
  CaretPlacementInput in = HorizontalText({300, 200});
  in.escapement = 1800;  // direction 2: no character-size step from the caret
  in.orientation = 1800;
  const PlacementResult r = CaretRelativePlacement(in);
  EXPECT_EQ(r.position.x, 300 + 4);
  EXPECT_EQ(r.position.y, 200 + 16 + 4);
}

TEST(CaretPlacementTest, ResultStaysInTheWorkArea) {
  const PlacementResult r = CaretRelativePlacement(HorizontalText({1010, 200}));
  EXPECT_EQ(r.position.x, 1024 - 200);
}

// A caret line 18 pixels high at (300, 200); the window is 200 x 100.
const UiRect kCaretLine = {300, 200, 301, 218};
const UiSize kWindow = {200, 100};

TEST(CaretLineTest, BelowTheLineAtTheCaret) {
  const PlacementResult r = BesideCaretLine(kCaretLine, kWindow, {0, 0}, 2, 64, kWork);
  EXPECT_TRUE(r.move);
  EXPECT_EQ(r.position.x, 300);
  EXPECT_EQ(r.position.y, 220);
}

TEST(CaretLineTest, AboveTheLineWhenBelowDoesNotFitAndNeverOverIt) {
  for (int top : {660, 700, 740, 750}) {
    const UiRect line = {300, top, 301, top + 18};
    const PlacementResult r = BesideCaretLine(line, kWindow, {0, 0}, 2, 64, kWork);
    EXPECT_EQ(r.position.y, top - 2 - 100) << top;
    EXPECT_FALSE(Overlaps(RectAt(r.position, kWindow), line)) << top;
  }
}

TEST(CaretLineTest, TooTallForEitherSideTakesTheLargerOneOffTheLine) {
  const UiRect line = {300, 100, 301, 118};
  const PlacementResult r = BesideCaretLine(line, {200, 700}, {0, 0}, 2, 64, kWork);
  EXPECT_EQ(r.position.y, 120);
}

TEST(CaretLineTest, KeptInsideTheWorkAreaSideways) {
  const UiRect line = {1000, 200, 1001, 218};
  EXPECT_EQ(BesideCaretLine(line, kWindow, {0, 0}, 2, 64, kWork).position.x, 1024 - 200);
}

TEST(CaretLineTest, TypingOnMovesTheWindowOnlyPastTheTolerance) {
  const UiPoint placed = {300, 220};
  UiRect line = kCaretLine;
  line.left += 40;  // two characters typed
  EXPECT_FALSE(BesideCaretLine(line, kWindow, placed, 2, 64, kWork).move);
  line.left += 40;
  const PlacementResult r = BesideCaretLine(line, kWindow, placed, 2, 64, kWork);
  EXPECT_TRUE(r.move);
  EXPECT_EQ(r.position.x, 380);
  line.left = 290;  // back before the window's edge
  EXPECT_TRUE(BesideCaretLine(line, kWindow, placed, 2, 64, kWork).move);
  line = {300, 240, 301, 258};  // a new line
  EXPECT_TRUE(BesideCaretLine(line, kWindow, placed, 2, 64, kWork).move);
}

TEST(StatusRelativeTest, RightOfTheBarOrLeftWhenTwiceTheBaseDoesNotFit) {
  const UiRect status = {100, 700, 286, 726};
  EXPECT_EQ(StatusRelativePosition(status, 200, 1024, true).x, 290);
  EXPECT_EQ(StatusRelativePosition(status, 200, 1024, true).y, 700);
  const UiRect right = {600, 700, 786, 726};
  EXPECT_EQ(StatusRelativePosition(right, 200, 1024, true).x, 600 - 204);
  EXPECT_EQ(StatusRelativePosition(right, 200, 1024, false).x, 790);
}

TEST(FinalPositionTest, PulledInsideThenRaisedByTen) {
  const UiPoint p = FinalCandidatePosition({900, 700}, {200, 100}, kWork);
  EXPECT_EQ(p.x, 824);
  EXPECT_EQ(p.y, 658);
  EXPECT_EQ(FinalCandidatePosition({10, 10}, {200, 100}, kWork).y, 0);
}

TEST(CompositionBesideStatusTest, RightOrLeftOfTheBar) {
  EXPECT_EQ(CompositionBesideStatus({0, 700}, {186, 26}, 200, 1024, 1, 1).x, 192);
  EXPECT_EQ(CompositionBesideStatus({0, 700}, {186, 26}, 200, 1024, 1, 1).y, 702);
  EXPECT_EQ(CompositionBesideStatus({700, 700}, {186, 26}, 200, 1024, 1, 1).x, 700 - 204 + 2);
}

TEST(HintPositionTest, AboveTheOwnerAtTheAnchor) {
  const UiRect owner = {100, 700, 286, 726};
  const UiPoint p = HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {5, 5}, 121, kWork);
  EXPECT_EQ(p.x, 121);
  EXPECT_EQ(p.y, 660);
}

TEST(HintPositionTest, NearTheRightEdgeIsShiftedLeft) {
  const UiRect owner = {900, 700, 1020, 726};
  const UiPoint p = HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {5, 5}, 990, kWork);
  EXPECT_EQ(p.x, 944);
}

TEST(HintPositionTest, AboveAtTheTopGoesBelow) {
  const UiRect owner = {100, 10, 286, 36};
  const UiPoint p = HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {5, 5}, 100, kWork);
  EXPECT_EQ(p.y, 36);
  EXPECT_EQ(HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {5, 5}, -3, kWork).x, 0);
}

TEST(HintPositionTest, BelowAtTheBottomGoesAbove) {
  const UiRect owner = {100, 700, 286, 750};
  EXPECT_EQ(HintPosition(HintPlacement::kBelowOwner, owner, {80, 40}, {5, 5}, 100, kWork).y, 660);
  const UiRect high = {100, 100, 286, 150};
  EXPECT_EQ(HintPosition(HintPlacement::kBelowOwner, high, {80, 40}, {5, 5}, 100, kWork).y, 150);
}

TEST(HintPositionTest, NearTheCursor) {
  const UiRect owner = {100, 100, 300, 300};
  UiPoint p = HintPosition(HintPlacement::kNearCursor, owner, {80, 40}, {150, 150}, 30, kWork);
  EXPECT_EQ(p.x, 170);
  EXPECT_EQ(p.y, 170);
  p = HintPosition(HintPlacement::kNearCursor, owner, {80, 40}, {1000, 740}, 30, kWork);
  EXPECT_EQ(p.x, 1024 - 80 - 20);
  EXPECT_EQ(p.y, 130) << "the anchor is a client y of the owner";
}

TEST(HintPositionTest, NeverUnderTheCursor) {
  const UiRect owner = {100, 700, 286, 726};
  const UiPoint p = HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {130, 680}, 121, kWork);
  EXPECT_EQ(p.y, 700);
}

TEST(ContextWindowTest, AboveTheBarOrBelowAtTheTop) {
  const UiRect low = {100, 700, 286, 726};
  EXPECT_EQ(ContextWindowPosition(low, {120, 200}, kWork).x, 166);
  EXPECT_EQ(ContextWindowPosition(low, {120, 200}, kWork).y, 502);
  const UiRect top = {100, 0, 286, 26};
  EXPECT_EQ(ContextWindowPosition(top, {120, 200}, kWork).y, 28);
}

TEST(SoftKeyboardTest, FirstFreeQuarterFromBottomRight) {
  // Status bottom-right, candidate window bottom-left: the keyboard goes top-right.
  const unsigned occupied = (1u << QuarterOf({900, 740}, kWork)) | (1u << QuarterOf({10, 600}, kWork));
  EXPECT_EQ(occupied, (1u << 3) | (1u << 2));
  UiPoint p = {};
  ASSERT_TRUE(SoftKeyboardPosition(occupied, {300, 120}, kWork, &p));
  EXPECT_EQ(p.x, 1024 - 300 - 4);
  EXPECT_EQ(p.y, 0);
  ASSERT_TRUE(SoftKeyboardPosition(0, {300, 120}, kWork, &p));
  EXPECT_EQ(p.y, 768 - 120 - 4);
  EXPECT_FALSE(SoftKeyboardPosition(0xF, {300, 120}, kWork, &p));
}

TEST(SoftKeyboardTest, QuarterByTopLeftCorner) {
  EXPECT_EQ(QuarterOf({0, 0}, kWork), 0);
  EXPECT_EQ(QuarterOf({512, 384}, kWork), 0) << "the middle itself is not past it";
  EXPECT_EQ(QuarterOf({513, 0}, kWork), 1);
  EXPECT_EQ(QuarterOf({0, 385}, kWork), 2);
}

TEST(DragFrameTest, KeptInsideTheWorkArea) {
  EXPECT_EQ(DragFramePosition({500, 400}, {10, 5}, {186, 26}, kWork).x, 490);
  EXPECT_EQ(DragFramePosition({5, 3}, {10, 5}, {186, 26}, kWork).x, 0);
  EXPECT_EQ(DragFramePosition({5, 3}, {10, 5}, {186, 26}, kWork).y, 0);
  EXPECT_EQ(DragFramePosition({1020, 767}, {10, 5}, {186, 26}, kWork).x, 1024 - 186);
  EXPECT_EQ(DragFramePosition({1020, 767}, {10, 5}, {186, 26}, kWork).y, 768 - 26);
}

TEST(ClampIntoAreaTest, StatusBelowTheBottomIsPulledBack) {
  const UiPoint p = ClampIntoArea({50, 900}, {186, 26}, kWork);
  EXPECT_EQ(p.x, 50);
  EXPECT_EQ(p.y, 742);
  EXPECT_EQ(ClampIntoArea({-40, -3}, {186, 26}, kWork).x, 0);
}

}  // namespace

namespace {

// Two monitors: the primary one at the origin, 1024 x 768 with its work area above a
// 40-pixel taskbar, and a second one of 1280 x 1024 left of and above it, whose own
// taskbar takes 30 pixels at its top.
const UiRect kPrimaryWork = {0, 0, 1024, 728};
const UiRect kSecondWork = {-1280, -994, 0, 0};

TEST(SecondMonitorTest, TheCandidateWindowStaysAtTheCaretThere) {
  const UiRect line = {-600, -500, -599, -482};
  PlacementResult r = BesideCaretLine(line, kWindow, {0, 0}, 2, 64, kSecondWork);
  EXPECT_EQ(r.position.x, -600);
  EXPECT_EQ(r.position.y, -480);
  // At the bottom of the second monitor the window goes above the line, not onto the
  // primary monitor below it.
  const UiRect low = {-1270, -60, -1269, -42};
  r = BesideCaretLine(low, kWindow, {0, 0}, 2, 64, kSecondWork);
  EXPECT_EQ(r.position.x, -1270);
  EXPECT_EQ(r.position.y, -60 - 2 - 100);
  // Past its right edge the window is pulled back to it, not to the primary's left.
  const UiRect right = {-50, -500, -49, -482};
  EXPECT_EQ(BesideCaretLine(right, kWindow, {0, 0}, 2, 64, kSecondWork).position.x, -200);

  CaretPlacementInput in = HorizontalText({-600, -500});
  in.workArea = kSecondWork;
  const PlacementResult caret = CaretRelativePlacement(in);
  EXPECT_EQ(caret.position.x, -600 + 4);
  EXPECT_EQ(caret.position.y, -500 + 16 + 16 + 4);
  in.caret = {-1279, -20};  // at the bottom: above the caret, on the same monitor
  EXPECT_EQ(CaretRelativePlacement(in).position.x, -1279 + 4);
  EXPECT_EQ(CaretRelativePlacement(in).position.y, -20 - 16 + 4 - 100);
}

TEST(SecondMonitorTest, TheStatusBarDroppedThereStaysThere) {
  const UiSize bar = {186, 26};
  EXPECT_EQ(ClampIntoArea({-700, -300}, bar, kSecondWork).x, -700);
  EXPECT_EQ(ClampIntoArea({-700, -300}, bar, kSecondWork).y, -300);
  EXPECT_EQ(ClampIntoArea({-1300, -1010}, bar, kSecondWork).x, -1280);
  EXPECT_EQ(ClampIntoArea({-1300, -1010}, bar, kSecondWork).y, -994);
  const UiPoint frame = DragFramePosition({-700, -300}, {10, 5}, bar, kSecondWork);
  EXPECT_EQ(frame.x, -710);
  EXPECT_EQ(frame.y, -305);
  EXPECT_EQ(DragFramePosition({-5, -3}, {10, 5}, bar, kSecondWork).x, -186);
}

TEST(SecondMonitorTest, DragPositionsKeepTheirSignInSixteenBits) {
  for (const UiPoint p : {UiPoint{-1280, -994}, UiPoint{-1, -1}, UiPoint{1023, 727},
                          UiPoint{-32768, 32767}}) {
    const UiPoint back = UnpackPoint16(PackPoint16(p));
    EXPECT_EQ(back.x, p.x);
    EXPECT_EQ(back.y, p.y);
  }
}

TEST(SecondMonitorTest, HintsAndTheContextWindowUseTheTopOfThatMonitor) {
  const UiRect owner = {-1000, -994, -814, -968};  // a status bar at the monitor's top
  UiPoint p = HintPosition(HintPlacement::kAboveOwner, owner, {80, 40}, {0, 0}, -990, kSecondWork);
  EXPECT_EQ(p.x, -990);
  EXPECT_EQ(p.y, -968) << "no room above: below the bar";
  const UiRect middle = {-1000, -500, -814, -474};
  p = HintPosition(HintPlacement::kAboveOwner, middle, {80, 40}, {0, 0}, -1300, kSecondWork);
  EXPECT_EQ(p.x, -1280);
  EXPECT_EQ(p.y, -540);
  EXPECT_EQ(ContextWindowPosition(owner, {120, 200}, kSecondWork).y, -966);
  EXPECT_EQ(ContextWindowPosition(middle, {120, 200}, kSecondWork).y, -500 - 200 + 2);
}

TEST(SecondMonitorTest, SoftKeyboardQuartersAndDialogsAreThoseOfThatMonitor) {
  EXPECT_EQ(QuarterOf({-1200, -900}, kSecondWork), 0);
  EXPECT_EQ(QuarterOf({-300, -100}, kSecondWork), 3);
  UiPoint p = {};
  ASSERT_TRUE(SoftKeyboardPosition(1u << 3, {300, 120}, kSecondWork, &p));
  EXPECT_EQ(p.x, -1280);
  EXPECT_EQ(p.y, -120 - 4);
  const UiPoint centre = CentredIn({400, 300}, kSecondWork);
  EXPECT_EQ(centre.x, -640 - 200);
  EXPECT_EQ(centre.y, -497 - 150);
  EXPECT_EQ(CentredIn({400, 300}, kPrimaryWork).y, 364 - 150);
}

// A primary monitor and a second one to its left, a little higher.
const std::vector<MonitorAreas> kTwoMonitors = {
    {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
    {{-1280, -200, 0, 824}, {-1280, -200, 0, 784}},
};

TEST(SecondMonitorTest, APointOrWindowBelongsToTheMonitorHoldingItOrTheNearest) {
  EXPECT_EQ(MonitorHolding(kTwoMonitors, {100, 100}), 0);
  EXPECT_EQ(MonitorHolding(kTwoMonitors, {-1, -200}), 1);
  // Above both, and below the second one's bottom: the nearest.
  EXPECT_EQ(MonitorHolding(kTwoMonitors, {-10, -500}), 1);
  EXPECT_EQ(MonitorHolding(kTwoMonitors, {-10, 900}), 0);
  // Across the border: the monitor holding the larger part.
  EXPECT_EQ(MonitorAround(kTwoMonitors, {-300, 100, 100, 200}), 1);
  EXPECT_EQ(MonitorAround(kTwoMonitors, {-100, 100, 300, 200}), 0);
  EXPECT_EQ(MonitorAround(kTwoMonitors, {3000, 10, 3100, 50}), 0);
  EXPECT_EQ(MonitorHolding({}, {0, 0}), -1);
}

}  // namespace
