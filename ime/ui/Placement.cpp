#include "ime/ui/Placement.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Rows 0-3 for the first side, 4-7 for the second, indexed by the text direction:
// multiples of the character size and of the parallel and perpendicular distances.
const int kDirection[8][6] = {
    {0, 1, 1, 0, 0, 1},   {1, 0, 0, 1, 1, 0},   {0, 0, -1, 0, 0, 1}, {-1, 0, 0, -1, -1, 0},
    {0, 0, 1, 0, 0, -1},  {0, 0, 0, -1, 1, 0},  {0, 0, -1, 0, 0, -1}, {0, 0, 0, 1, -1, 0},
};
// Signs: rows 0-3 also span the caret rectangle; a negative sign puts the window before
// the point instead of after it.
const int kSign[8][2] = {
    {1, 1}, {1, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {1, -1}, {1, 1},
};

// The nearest multiple of 90 degrees as 0-3; negative angles count the other way round
// (-90 degrees is direction 3), so the division rounds down.
int DirectionIndex(long tenthsOfDegree) {
  const long shifted = tenthsOfDegree + 450;
  const long quadrant = shifted >= 0 ? shifted / 900 : -((-shifted + 899) / 900);
  return static_cast<int>((quadrant % 4 + 4) % 4);
}

long Limit(long value, long low, long high) { return std::max(low, std::min(value, high)); }

UiPoint SidePoint(const CaretPlacementInput& in, int row, long d) {
  const int* D = kDirection[row];
  long x = in.caret.x + d * D[0] + D[2] * in.parallelDistance + D[3] * in.perpendicularDistance +
           4 * in.cx;
  long y = in.caret.y + d * D[1] + D[4] * in.parallelDistance + D[5] * in.perpendicularDistance +
           4 * in.cy;
  if (kSign[row][0] < 0) x -= in.currentSize.width;
  if (kSign[row][1] < 0) y -= in.currentSize.height;
  const UiPoint p = {static_cast<int>(x), static_cast<int>(y)};
  return ClampIntoArea(p, in.currentSize, in.workArea);
}

}  // namespace

PlacementResult CaretRelativePlacement(const CaretPlacementInput& in) {
  long charX = in.fontWidth != 0    ? 2 * std::labs(in.fontWidth)
               : in.fontHeight != 0 ? std::labs(in.fontHeight)
                                    : in.charHeight;  // no font given: the line of a cell
  long charY = in.fontHeight != 0 ? std::labs(in.fontHeight) : charX;
  charX = Limit(charX, in.charWidth, 8L * in.baseSize.width);
  charY = Limit(charY, in.charHeight, 8L * in.baseSize.height);

  const int e = DirectionIndex(in.escapement);
  const int o = DirectionIndex(in.orientation);
  const long d = (e + o) % 2 ? charX : charY;

  const long spanX = kSign[e][0] * charX;
  const long spanY = kSign[e][1] * charY;
  const UiRect caretRect = {static_cast<int>(std::min<long>(in.caret.x, in.caret.x + spanX)),
                            static_cast<int>(std::min<long>(in.caret.y, in.caret.y + spanY)),
                            static_cast<int>(std::max<long>(in.caret.x, in.caret.x + spanX)),
                            static_cast<int>(std::max<long>(in.caret.y, in.caret.y + spanY))};

  const UiPoint first = SidePoint(in, e, d);
  UiPoint chosen = first;
  if (Overlaps(RectAt(first, in.baseSize), caretRect)) {
    const UiPoint second = SidePoint(in, e + 4, d);
    if (Overlaps(RectAt(second, in.baseSize), caretRect)) return {true, first};
    chosen = second;
  }

  const int* D = kDirection[e];
  const bool keep = std::abs(in.current.x - chosen.x) <= std::abs(D[3] * in.perpendicularTolerance) &&
                    std::abs(in.current.y - chosen.y) <= std::abs(D[5] * in.perpendicularTolerance) &&
                    !Overlaps(RectAt(in.current, in.currentSize), caretRect);
  return {!keep, chosen};
}

PlacementResult BesideCaretLine(const UiRect& line, UiSize window, UiPoint current, int gap,
                                int tolerance, const UiRect& work) {
  UiPoint p = ClampIntoArea({line.left, line.bottom + gap}, window, work);
  const int below = line.bottom + gap;
  const int above = line.top - gap - window.height;
  if (below + window.height <= work.bottom) {
    p.y = below;
  } else if (above >= work.top) {
    p.y = above;
  } else {
    // Room on neither side: the side with more of it, still off the line.
    p.y = work.bottom - line.bottom >= line.top - work.top ? below : above;
  }
  const int passed = line.left - current.x;
  const bool keep = current.y == p.y && (current.x == p.x || (passed >= 0 && passed <= tolerance));
  return {!keep, keep ? current : p};
}

UiPoint StatusRelativePosition(const UiRect& status, int baseWidth, int workRight,
                               bool checkOverflow) {
  UiPoint p = {status.right + 4, status.top};
  if (checkOverflow && p.x + 2 * baseWidth + 4 >= workRight) p.x = status.left - baseWidth - 4;
  return p;
}

UiPoint FinalCandidatePosition(UiPoint p, UiSize size, const UiRect& workArea) {
  if (p.x + size.width > workArea.right) p.x = workArea.right - size.width;
  if (p.y + size.height > workArea.bottom) p.y = workArea.bottom - size.height;
  p.y -= 10;
  return p;
}

UiPoint CompositionBesideStatus(UiPoint status, UiSize statusSize, int baseWidth, int workRight,
                                int cx, int cy) {
  int x = status.x + statusSize.width + 4;
  if (status.x + statusSize.width + baseWidth + 8 >= workRight) x = status.x - baseWidth - 4;
  return {x + 2 * cx, status.y + 2 * cy};
}

UiPoint HintPosition(HintPlacement kind, const UiRect& owner, UiSize hint, UiPoint cursor,
                     int anchor, const UiRect& work) {
  UiPoint p = {};
  if (kind == HintPlacement::kNearCursor) {
    p.x = cursor.x + hint.width + 20 > work.right ? work.right - hint.width - 20 : cursor.x + 20;
    p.y = cursor.y + hint.height + 20 > work.bottom ? owner.top + anchor : cursor.y + 20;
  } else {
    p.x = anchor + hint.width > work.right ? work.right - hint.width : anchor;
    if (p.x < work.left) p.x = work.left;
    if (kind == HintPlacement::kAboveOwner) {
      p.y = owner.top - hint.height < work.top ? owner.bottom : owner.top - hint.height;
    } else {
      p.y = owner.bottom + hint.height > work.bottom ? owner.top - hint.height : owner.bottom;
    }
  }
  // A hint under the cursor would hide what it describes: move it off the cursor.
  if (RectAt(p, hint).Contains(cursor)) {
    if (kind == HintPlacement::kAboveOwner) p.y = cursor.y + 20;
    if (kind == HintPlacement::kBelowOwner) p.y = cursor.y - hint.height - 20;
  }
  return p;
}

UiPoint ContextWindowPosition(const UiRect& status, UiSize popup, const UiRect& work) {
  UiPoint p = {status.right - popup.width, status.top - popup.height + 2};
  if (p.y < work.top) p.y = status.bottom + 2;
  return p;
}

int QuarterOf(UiPoint topLeft, const UiRect& work) {
  return 2 * (topLeft.y > work.top + work.Height() / 2) + (topLeft.x > work.left + work.Width() / 2);
}

bool SoftKeyboardPosition(unsigned occupied, UiSize keyboard, const UiRect& work,
                          UiPoint* position) {
  for (int quarter = 3; quarter >= 0; --quarter) {
    if (occupied & (1u << quarter)) continue;
    position->x = quarter % 2 ? work.right - keyboard.width - 4 : work.left;
    position->y = quarter >= 2 ? work.bottom - keyboard.height - 4 : work.top;
    return true;
  }
  return false;
}

UiPoint CentredIn(UiSize window, const UiRect& work) {
  return {work.left + (work.Width() - window.width) / 2, work.top + (work.Height() - window.height) / 2};
}

UiPoint DragFramePosition(UiPoint cursor, UiPoint offset, UiSize window, const UiRect& work) {
  UiPoint p = {std::max(cursor.x - offset.x, work.left), std::max(cursor.y - offset.y, work.top)};
  if (p.x + window.width > work.right) p.x = work.right - window.width;
  if (p.y + window.height > work.bottom) p.y = work.bottom - window.height;
  return p;
}
