// The layout of the status bar and of the candidate and composition window, computed from
// the border sizes, the cell of the sample character "中" in the 12-point font and the
// display's DPI: the fixed lengths (buttons, margins) are those of 96 DPI, scaled.
#pragma once

#include <cstddef>

#include "ime/ui/UiGeometry.h"

constexpr int kStatusButtonCount = 9;
constexpr int kStatusButtonSize = 20;
constexpr int kCandidateSlotCount = 7;

struct StatusMetrics {
  int buttonSize;
  UiSize window;
  UiRect buttonArea;
  UiRect buttons[kStatusButtonCount];
};

// charHeight = height of "中"; the border's margins grow with the DPI like the rest.
StatusMetrics ComputeStatusMetrics(int borderWidth, int charHeight, int dpi = 96);
// The button under a client point, or -1.
int StatusButtonAt(const StatusMetrics& metrics, UiPoint p);

struct CandidateLayout {
  bool vertical;
  int dpi;
  int cx, cy;               // border width and height, at the layout's DPI
  int charWidth, charHeight;
  int compLineHeight;       // height of the composition line
  UiRect compText;
  UiRect searchModeButton;
  UiRect searchText;        // right edge follows the drawn search text
  UiRect candidateArea;
  UiRect pageUp, pageDown, queryListButton;
  UiRect playButton, queryText;
  int baseWidth, baseHeight;
  bool queryListShown;
};

CandidateLayout ComputeCandidateLayout(bool vertical, int cx, int cy, int charWidth,
                                       int charHeight, int dpi = 96);
// A fixed length of the 96-DPI layout at the layout's DPI.
inline int Px(const CandidateLayout& layout, int pixels) { return AtDpi(pixels, layout.dpi); }
// Hides or shows the query line: its rectangles get zero or full height, the base height
// changes by 20 (at 96 DPI). Does nothing when the state is already the one asked for.
void SetQueryListShown(CandidateLayout& layout, bool shown);
// Horizontal layout: the page and query-list buttons sit at the window's right edge.
void MoveButtonsToRightEdge(CandidateLayout& layout, int windowWidth);

// Where the rows of one page go in the horizontal layout.
struct HorizontalRows {
  UiRect slots[kCandidateSlotCount];
  int placed;        // rows that fit
  int windowWidth;   // running width after the last placed row (base width when none)
};

// Places rows of the given widths left to right while the window stays no wider than the
// work area (workWidth: the width of its monitor's work area, wherever that lies).
HorizontalRows PlaceHorizontalRows(const CandidateLayout& layout, const int* rowWidths,
                                   int rowCount, int workWidth);
// The vertical window width for rows of the given widths: the base width, widened to the
// widest row + 8.
int VerticalRowsWidth(const CandidateLayout& layout, const int* rowWidths, int rowCount);

struct WindowSize {
  UiSize size;
  bool forceResize;
};

// Paint step: the final size, given the rows' width, the search text's right edge, the
// number of candidates and whether the window follows the caret. Also widens the
// candidate area and the query text to the window. A size held for a moment is kept where it
// is larger, without a new resize.
WindowSize FinishCandidateSize(CandidateLayout& layout, int rowsWidth, unsigned candidateCount,
                               bool followCaret, UiSize held = {});
