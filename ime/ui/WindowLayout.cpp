#include "ime/ui/WindowLayout.h"

#include <algorithm>

StatusMetrics ComputeStatusMetrics(int a, int charHeight) {
  const int h = std::max(charHeight, 20);
  StatusMetrics m = {};
  m.window = {6 * a + kStatusButtonCount * kStatusButtonSize, h + 6 * a};
  m.buttonArea = {a, 3 * a, a + kStatusButtonCount * kStatusButtonSize, h + 3 * a};
  for (int i = 0; i < kStatusButtonCount; ++i) {
    m.buttons[i] = {a + kStatusButtonSize * i, 3 * a, a + kStatusButtonSize * (i + 1), h + 3 * a};
  }
  return m;
}

int StatusButtonAt(const StatusMetrics& metrics, UiPoint p) {
  for (int i = 0; i < kStatusButtonCount; ++i) {
    if (metrics.buttons[i].Contains(p)) return i;
  }
  return -1;
}

CandidateLayout ComputeCandidateLayout(bool vertical, int cx, int cy, int W, int H) {
  CandidateLayout l = {};
  l.vertical = vertical;
  l.cx = cx;
  l.cy = cy;
  l.charWidth = W;
  l.charHeight = H;
  const int L = std::max(H, 18) + cy;
  const int C = 4 * W + cx;
  l.compLineHeight = L;
  l.compText = {cx, cy, C, L};
  l.searchModeButton = {C, cy, C + 20, L};
  l.searchText = {C + 20, cy, C + 170, L};

  const int T = L + 4 * cy;
  int Q = 0;
  if (vertical) {
    const int R = 9 * W > 176 ? 9 * W + cx : cx;
    const int B = T + 7 * H + 4 * cy;
    l.candidateArea = {cx, T, R, T + 7 * H};
    l.baseWidth = R + 8 * cx;
    l.pageUp = {0, B, 16, B + 16};
    l.pageDown = {16, B, 32, B + 16};
    l.queryListButton = {48, B, 64, B + 16};
    Q = B + 16 + 4 * cy;
    l.playButton = {cy, Q, cy + 20, Q + 20};
    l.queryText = {2 * cx + 20, Q, R, Q + 20};
  } else {
    const int rowHeight = std::max(H, 18);
    l.candidateArea = {cy, T, cy + 300, T + rowHeight};
    l.baseWidth = cy + 8 * cx + 369;
    l.pageUp = {cy + 305, T, cy + 321, T + 16};
    l.pageDown = {cy + 321, T, cy + 337, T + 16};
    l.queryListButton = {cy + 353, T, cy + 369, T + 16};
    Q = T + rowHeight + 4 * cy;
    l.playButton = {cy, Q, cy + 16, Q + 20};
    l.queryText = {2 * cy + 20, Q, C, Q + 20};
  }
  l.baseHeight = Q + 20 + 2 * cy;
  l.queryListShown = true;
  return l;
}

void SetQueryListShown(CandidateLayout& l, bool shown) {
  if (l.queryListShown == shown) return;
  const int change = shown ? 20 : -20;
  l.queryText.bottom += change;
  l.playButton.bottom += change;
  l.baseHeight += change;
  l.queryListShown = shown;
}

void MoveButtonsToRightEdge(CandidateLayout& l, int width) {
  l.pageUp.left = width - 60;
  l.pageUp.right = width - 40;
  l.pageDown.left = width - 40;
  l.pageDown.right = width - 20;
  l.queryListButton.left = width - 20;
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
    const int step = rowWidths[k] + 3;
    if (rows.windowWidth + step > workWidth) break;
    const int left = k == 0 ? area.left : rows.slots[k - 1].right + 3;
    rows.slots[k] = {left, area.top, left + rowWidths[k], area.bottom};
    rows.windowWidth = k == 0 ? 4 * l.cx + 84 + step : rows.windowWidth + step;
    rows.placed = k + 1;
  }
  return rows;
}

int VerticalRowsWidth(const CandidateLayout& l, const int* rowWidths, int rowCount) {
  int width = l.baseWidth;
  for (int k = 0; k < rowCount; ++k) {
    if (rowWidths[k] > width) width = rowWidths[k] + 8;
  }
  return width;
}

WindowSize FinishCandidateSize(CandidateLayout& l, int rowsWidth, unsigned candidateCount,
                               bool followCaret) {
  WindowSize result = {};
  const int width = std::max({rowsWidth, l.searchText.right + 21, l.baseWidth});
  if (l.vertical) {
    l.candidateArea.right = width;
  } else {
    l.candidateArea.right = width - 4 * l.cx - 84;
  }
  l.queryText.right = width;
  result.size = {width, l.baseHeight};
  if (l.vertical && candidateCount == 0) {
    result.size.height = l.compLineHeight;
    result.forceResize = true;
  }
  if (!followCaret) result.forceResize = true;
  return result;
}
