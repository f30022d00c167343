#include "ime/ui/HintLayout.h"

#include <algorithm>

namespace {

// The text's margins: 5 pixels left and right, 8 above each line; below the last line as
// much as above the first.
constexpr int kSideMargins = 10;
constexpr int kLineGap = 8;

}  // namespace

UiSize HintSize(int firstLineWidth, int secondLineWidth, int lineHeight, bool twoLines, int dpi) {
  const int sides = AtDpi(kSideMargins, dpi);
  if (!twoLines) return {firstLineWidth + sides, lineHeight + 2 * AtDpi(kLineGap, dpi)};
  return {std::max(firstLineWidth, secondLineWidth) + sides, 3 * lineHeight + AtDpi(20, dpi)};
}

UiPoint HintClearOfPopup(UiPoint p, UiSize hint, const UiRect& popup, const UiRect& workArea) {
  if (!Overlaps(RectAt(p, hint), popup)) return p;
  if (popup.left - hint.width >= workArea.left) return {popup.left - hint.width, p.y};
  if (popup.right + hint.width <= workArea.right) return {popup.right, p.y};
  if (popup.top - hint.height >= workArea.top) return {p.x, popup.top - hint.height};
  return {p.x, popup.bottom};
}
