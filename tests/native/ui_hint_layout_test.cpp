#include <gtest/gtest.h>

#include "ime/ui/HintLayout.h"

namespace {

const UiRect kWork = {0, 0, 1024, 768};
const UiSize kHint = {120, 28};

bool Inside(UiPoint p, UiSize size, const UiRect& area) {
  const UiRect r = RectAt(p, size);
  return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
         r.bottom <= area.bottom;
}

// A box holds its text, and the room of a second line is given only to a second line.
TEST(HintLayoutTest, OneLineTakesLessRoomThanTwo) {
  const UiSize one = HintSize(100, 0, 12, false);
  const UiSize two = HintSize(100, 80, 12, true);
  EXPECT_GT(one.width, 100);
  EXPECT_GE(one.height, 12);
  EXPECT_EQ(two.width, one.width);
  EXPECT_GE(two.height, one.height + 12);
  EXPECT_GT(HintSize(100, 140, 12, true).width, 140);
}

// Wherever the bar stands, the hint that the popup would cover ends up whole, beside it.
TEST(HintLayoutTest, AHintUnderThePopupMovesBesideIt) {
  for (const UiRect popup : {UiRect{600, 500, 760, 700}, UiRect{0, 500, 160, 700},
                             UiRect{900, 500, 1024, 700}, UiRect{0, 0, 1024, 200}}) {
    const UiPoint p = {popup.right - kHint.width, popup.top + 20};  // over its right end
    const UiPoint moved = HintClearOfPopup(p, kHint, popup, kWork);
    EXPECT_FALSE(Overlaps(RectAt(moved, kHint), popup)) << popup.left << "," << popup.top;
    EXPECT_TRUE(Inside(moved, kHint, kWork)) << popup.left << "," << popup.top;
  }
}

TEST(HintLayoutTest, AHintClearOfThePopupStays) {
  const UiPoint p = {100, 100};
  const UiPoint kept = HintClearOfPopup(p, kHint, {600, 500, 760, 700}, kWork);
  EXPECT_EQ(kept.x, p.x);
  EXPECT_EQ(kept.y, p.y);
}

}  // namespace
