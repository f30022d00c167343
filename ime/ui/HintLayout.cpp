#include "ime/ui/HintLayout.h"

#include <algorithm>

namespace {

// The text's margins: 5 pixels left and right, 8 above each line; below the last line as
// much as above the first.
constexpr int kSideMargins = 10;
constexpr int kLineGap = 8;

}  // namespace

UiSize HintSize(int firstLineWidth, int secondLineWidth, int lineHeight, bool twoLines) {
  if (!twoLines) return {firstLineWidth + kSideMargins, lineHeight + 2 * kLineGap};
  return {std::max(firstLineWidth, secondLineWidth) + kSideMargins, 3 * lineHeight + 20};
}

UiPoint HintClearOfPopup(UiPoint p, UiSize hint, const UiRect& popup, const UiRect& workArea) {
  if (!Overlaps(RectAt(p, hint), popup)) return p;
  if (popup.left - hint.width >= workArea.left) return {popup.left - hint.width, p.y};
  if (popup.right + hint.width <= workArea.right) return {popup.right, p.y};
  if (popup.top - hint.height >= workArea.top) return {p.x, popup.top - hint.height};
  return {p.x, popup.bottom};
}
