// Dragging the status bar and the candidate window by their borders: slot 0 holds the grab
// offset (or -1 when no drag runs), slot 1 the last cursor position; an inverted frame
// shows where the window will go.
#pragma once

#include <windows.h>

#include "ime/ui/UiGeometry.h"

bool IsDragging(HWND window);
// Captures the mouse and draws the frame at the window.
void BeginWindowDrag(HWND window);
// Moves the frame to the cursor.
void MoveWindowDrag(HWND window);
// Erases the frame and ends the drag; the top-left where the window was dropped.
UiPoint EndWindowDrag(HWND window);
// Erases the frame of a drag that will not finish (the window is going away).
void CancelWindowDrag(HWND window);
