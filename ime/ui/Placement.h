// Where the windows go: the candidate window near the caret or beside the status bar, the
// hint and context popups, the soft keyboard's free quarter and the drag frame. All points
// are screen coordinates.
#pragma once

#include "ime/ui/UiGeometry.h"

// The caret-relative rule: the candidate window goes beside the caret, on the side that
// the text's direction leaves free.
struct CaretPlacementInput {
  UiPoint caret;
  long fontWidth, fontHeight;          // lfWidth, lfHeight of the context's font
  long escapement, orientation;        // tenths of a degree
  int charWidth, charHeight;           // cell of "中"
  UiSize baseSize;                     // the window's base width and height
  UiPoint current;                     // where the window is now
  UiSize currentSize;                  // and its size now
  int parallelDistance, perpendicularDistance, perpendicularTolerance;
  int cx, cy;                          // border width and height
  UiRect workArea;
};

struct PlacementResult {
  bool move;       // false: the window stays where it is
  UiPoint position;
};

PlacementResult CaretRelativePlacement(const CaretPlacementInput& in);

// The window beside the line of text the application reports (its caret, the first
// character of the composition or the area its candidate form excludes): at the line's
// left, `gap` pixels below it, or above it when it does not fit below, and never over it.
// A window already on the chosen side whose left edge the caret has passed by at most
// `tolerance` pixels stays, so that typing on does not move it at every key.
PlacementResult BesideCaretLine(const UiRect& line, UiSize window, UiPoint current, int gap,
                                int tolerance, const UiRect& workArea);

// Beside the status bar: right of it, or left of it when checkOverflow is set and a window
// of twice the base width would not fit on the right.
UiPoint StatusRelativePosition(const UiRect& status, int baseWidth, int workRight,
                               bool checkOverflow);

// The last step of every candidate-window move: pulled back inside the right and bottom
// edges, then raised by 10 pixels.
UiPoint FinalCandidatePosition(UiPoint p, UiSize windowSize, const UiRect& workArea);

// The forced composition position next to the status bar that a vertical layout gets at
// activation (before conversion to client coordinates).
UiPoint CompositionBesideStatus(UiPoint status, UiSize statusSize, int baseWidth, int workRight,
                                int cx, int cy);

enum class HintPlacement { kAboveOwner, kBelowOwner, kNearCursor };

UiPoint HintPosition(HintPlacement kind, const UiRect& owner, UiSize hint, UiPoint cursor,
                     int anchor, const UiRect& workArea);

// The context window above the status bar's right end, or below the bar when above would
// leave the work area.
UiPoint ContextWindowPosition(const UiRect& status, UiSize popup, const UiRect& workArea);

// Quarters of the work area: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
int QuarterOf(UiPoint topLeft, const UiRect& workArea);
// The soft keyboard's place in the first free quarter (3, 2, 1, 0); occupied is a bit set
// of quarters. False when every quarter is taken.
bool SoftKeyboardPosition(unsigned occupied, UiSize keyboard, const UiRect& workArea,
                          UiPoint* position);

// A dialog in the middle of the work area.
UiPoint CentredIn(UiSize window, const UiRect& workArea);

// The top-left of a dragged window's frame: cursor minus the grab offset, kept in the area.
UiPoint DragFramePosition(UiPoint cursor, UiPoint offset, UiSize window, const UiRect& workArea);
