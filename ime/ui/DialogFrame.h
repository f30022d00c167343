// What the module's dialogs share: their place in the middle of the work area and the
// etched frame they draw around their contents.
#pragma once

#include <windows.h>

// Moves the dialog, keeping its size, to the middle of the work area of its owner's
// monitor.
void CentreInWorkArea(HWND dialog);

// Distances of the etched frame from the client area's edges: the white lines lie `left`
// and `top` pixels in, the black lines `right` and `bottom` pixels in from the right and
// bottom edges, with a grey line one pixel inside each.
struct FrameInsets {
  int left;
  int top;
  int right;
  int bottom;
};

// Paints the dialog (BeginPaint/EndPaint) with the etched frame at the insets.
void PaintEtchedFrame(HWND dialog, FrameInsets insets);
