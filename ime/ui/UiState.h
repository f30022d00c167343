// The module-wide values of the windows, one copy per process, shared by every UI window
// of the process (all on the application's thread, so without locks).
#pragma once

#include <windows.h>

#include <string>

#include "ime/ui/Placement.h"
#include "ime/ui/WindowLayout.h"

constexpr int kHintLineSize = 160;

struct HintState {
  char line1[kHintLineSize];
  char line2[kHintLineSize];
  HintPlacement placement;
  int anchor;
  HWND owner;
};

struct UiValues {
  int dpi;                     // the display scale the windows are laid out and drawn at
  StatusMetrics status;
  CandidateLayout candidate;
  UiSize candidateSize;        // the size the candidate window was last given
  bool resizeForced;
  HWND pageWindow;             // the candidate window whose last layout had candidates
  HWND heldWindow;             // the candidate window kept at a larger size than it needs
  bool holdOver;               // ... and the time to keep it so is over
  UiRect horizontalSlots[kCandidateSlotCount];  // where the last paint put the rows
  std::string searchText;      // the search text the last paint showed
  // Where new contexts start their composition, in screen coordinates.
  UiPoint defaultComposition;

  bool searchTextHovered;      // pauses the auto-hide
  int searchHoverCount;        // 0-2: repaint only on entry and exit
  int queryHoverCount;
  int candidateTooltipId;      // -1: none
  int statusTooltipId;

  HWND contextWindow;          // the process's single context and hint windows
  HWND hintWindow;
  HWND contextStatusWindow;    // the status bar whose web button opened the context window
  int contextFirstEntry;       // a multiple of 8
  int contextHovered;          // -1 none, 0 home page, 20 web search, n + 1 entry n
  HintState hint;

  DWORD lastLayout;            // "竖向排列" at the last activation
  bool firstStatus;            // cleared by the first status creation
};

extern UiValues ui;

// Start-up: the metrics of the status bar and the candidate window from the cell of "中",
// and the placement defaults new contexts get. Needs globals' border and character sizes,
// work area and "竖向排列".
void ComputeWindowMetrics();
// Recomputes the candidate window's layout for an orientation; the search mode returns to
// the default.
void ResetCandidateLayout(bool vertical);
// Lays the windows out again for another display scale (dots per inch).
void ApplyDisplayScale(int dpi);
// A length of the 96-DPI design at the windows' scale.
inline int Scaled(int pixels) { return AtDpi(pixels, ui.dpi ? ui.dpi : 96); }

inline UiRect ToUiRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRect(const UiRect& r) { return {r.left, r.top, r.right, r.bottom}; }
