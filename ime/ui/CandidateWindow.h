// The candidate and composition window: the code being typed, the search text, the page of
// candidates, the page buttons and the rotating query line.
#pragma once

#include <windows.h>

#include <optional>

#include "ime/ui/UiGeometry.h"

LRESULT CALLBACK CandCompWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The full paint on dc with the owner UI window's context; draws nothing when the context
// or one of its blocks is missing.
void PaintCandidateWindow(HWND window, HDC dc);
// The full paint for WM_PAINT: the window takes the page's size first, so that this one
// paint covers all of it.
void PaintCandidateWindowUpdate(HWND window);

// Gives the window the size and region of the page it is about to show.
void SizeCandidateWindow(HWND window);
// Moves the window to where the context's composition form and the settings want it.
void PlaceCandidateWindow(HWND window);
// Where that placement puts the window at the size it was last given, or nothing when it
// stays where it is.
std::optional<UiPoint> CandidatePlacement(HWND window);

// The mouse over the window: the mouse message from WM_SETCURSOR's lParam.
void CandidateMouse(HWND window, UINT mouseMessage);
void CandidateMouseLeave(HWND window);
// The drop of a drag pins the window there.
void CandidateDragEnd(HWND window);

// The context of the candidate window's owner UI window.
HIMC CandidateContext(HWND window);
