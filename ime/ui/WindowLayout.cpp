#include "ime/ui/WindowLayout.h"

#include <algorithm>

StatusMetrics ComputeStatusMetrics(int borderWidth, int charHeight, int dpi) {
  const int a = AtDpi(borderWidth, dpi);
  const int button = AtDpi(kStatusButtonSize, dpi);
  const int h = std::max(charHeight, button);
  StatusMetrics m = {};
  m.buttonSize = button;
  m.window = {6 * a + kStatusButtonCount * button, h + 6 * a};
  m.buttonArea = {a, 3 * a, a + kStatusButtonCount * button, h + 3 * a};
  for (int i = 0; i < kStatusButtonCount; ++i) {
    m.buttons[i] = {a + button * i, 3 * a, a + button * (i + 1), h + 3 * a};
  }
  return m;
}

int StatusButtonAt(const StatusMetrics& metrics, UiPoint p) {
  for (int i = 0; i < kStatusButtonCount; ++i) {
    if (metrics.buttons[i].Contains(p)) return i;
  }
  return -1;
}

CandidateLayout ComputeCandidateLayout(bool vertical, int borderWidth, int borderHeight, int W,
                                       int H, int dpi) {
  const int cx = AtDpi(borderWidth, dpi);
  const int cy = AtDpi(borderHeight, dpi);
  CandidateLayout l = {};
  l.vertical = vertical;
  l.dpi = dpi;
  const auto s = [dpi](int pixels) { return AtDpi(pixels, dpi); };
  l.cx = cx;
  l.cy = cy;
  l.charWidth = W;
  l.charHeight = H;
  const int L = std::max(H, s(18)) + cy;
  const int C = 4 * W + cx;
  l.compLineHeight = L;
  l.compText = {cx, cy, C, L};
  l.searchModeButton = {C, cy, C + s(20), L};
  l.searchText = {C + s(20), cy, C + s(170), L};

  const int T = L + 4 * cy;
  int Q = 0;
  if (vertical) {
    const int R = 9 * W > s(176) ? 9 * W + cx : cx;
    const int B = T + 7 * H + 4 * cy;
    l.candidateArea = {cx, T, R, T + 7 * H};
    l.baseWidth = R + 8 * cx;
    l.pageUp = {0, B, s(16), B + s(16)};
    l.pageDown = {s(16), B, s(32), B + s(16)};
    l.queryListButton = {s(48), B, s(64), B + s(16)};
    Q = B + s(16) + 4 * cy;
    l.playButton = {cy, Q, cy + s(20), Q + s(20)};
    l.queryText = {2 * cx + s(20), Q, R, Q + s(20)};
  } else {
    const int rowHeight = std::max(H, s(18));
    l.candidateArea = {cy, T, cy + s(300), T + rowHeight};
    l.baseWidth = cy + 8 * cx + s(369);
    l.pageUp = {cy + s(305), T, cy + s(321), T + s(16)};
    l.pageDown = {cy + s(321), T, cy + s(337), T + s(16)};
    l.queryListButton = {cy + s(353), T, cy + s(369), T + s(16)};
    Q = T + rowHeight + 4 * cy;
    l.playButton = {cy, Q, cy + s(16), Q + s(20)};
    l.queryText = {2 * cy + s(20), Q, C, Q + s(20)};
  }
  l.baseHeight = Q + s(20) + 2 * cy;
  l.queryListShown = true;
  return l;
}

void SetQueryListShown(CandidateLayout& l, bool shown) {
  if (l.queryListShown == shown) return;
  const int change = shown ? Px(l, 20) : -Px(l, 20);
  l.queryText.bottom += change;
  l.playButton.bottom += change;
  l.baseHeight += change;
  l.queryListShown = shown;
}

void MoveButtonsToRightEdge(CandidateLayout& l, int width) {
  l.pageUp.left = width - Px(l, 60);
  l.pageUp.right = width - Px(l, 40);
  l.pageDown.left = width - Px(l, 40);
  l.pageDown.right = width - Px(l, 20);
  l.queryListButton.left = width - Px(l, 20);
  l.queryListButton.right = width;
}

HorizontalRows PlaceHorizontalRows(const CandidateLayout& l, const int* rowWidths, int rowCount,
                                   int workWidth) {
  HorizontalRows rows = {};
  const UiRect& area = l.candidateArea;
  for (UiRect& slot : rows.slots) slot = {area.left, area.top, area.left, area.bottom};
  rows.windowWidth = l.baseWidth;
  const int count = std::min(rowCount, kCandidateSlotCount);
  for (int k = 0; k < count; ++k) {
    const int step = rowWidths[k] + Px(l, 3);
    if (rows.windowWidth + step > workWidth) break;
    const int left = k == 0 ? area.left : rows.slots[k - 1].right + Px(l, 3);
    rows.slots[k] = {left, area.top, left + rowWidths[k], area.bottom};
    rows.windowWidth = k == 0 ? 4 * l.cx + Px(l, 84) + step : rows.windowWidth + step;
    rows.placed = k + 1;
  }
  return rows;
}

int VerticalRowsWidth(const CandidateLayout& l, const int* rowWidths, int rowCount) {
  int width = l.baseWidth;
  for (int k = 0; k < rowCount; ++k) {
    if (rowWidths[k] > width) width = rowWidths[k] + Px(l, 8);
  }
  return width;
}

WindowSize FinishCandidateSize(CandidateLayout& l, int rowsWidth, unsigned candidateCount,
                               bool followCaret, UiSize held) {
  WindowSize result = {};
  const int width =
      std::max({rowsWidth, l.searchText.right + Px(l, 21), l.baseWidth, held.width});
  if (l.vertical) {
    l.candidateArea.right = width;
  } else {
    l.candidateArea.right = width - 4 * l.cx - Px(l, 84);
  }
  l.queryText.right = width;
  result.size = {width, l.baseHeight};
  if (l.vertical && candidateCount == 0) {
    result.size.height = l.compLineHeight;
    result.forceResize = true;
  }
  if (held.height > result.size.height) {
    result.size.height = held.height;
    result.forceResize = false;
  }
  if (!followCaret) result.forceResize = true;
  return result;
}
