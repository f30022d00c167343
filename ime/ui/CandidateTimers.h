// The candidate window's thread timers: query-list rotation, auto-hide and the shrink of a
// vertical window whose list emptied.
#pragma once

#include <windows.h>

constexpr UINT_PTR kRotationTimer = 10;
constexpr UINT kRotationPeriodMs = 10;
constexpr UINT_PTR kAutoHideTimer = 11;
constexpr UINT kAutoHidePeriodMs = 11;
constexpr UINT_PTR kShrinkTimer = 12;
// How long an emptied list leaves a vertical window its page height. The next word's first
// letter, typed within it, then neither waits for the window to shrink nor to grow again:
// each change of the window's size and shape costs that key as much as its whole paint.
constexpr UINT kEmptyListShrinkDelayMs = 500;

void CALLBACK RotationTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK AutoHideTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

// Installs the rotation and auto-hide timers on a new candidate window.
void StartCandidateTimers(HWND window);

// The window is laid out for a list with candidates: no shrink is pending for it.
void PageLaidOut(HWND window);
// The height a vertical window without candidates keeps for now. One that showed a page
// keeps currentHeight, with the shrink timer started, until kEmptyListShrinkDelayMs have
// passed since its list emptied; then, or when it showed no page, 0: the composition line.
int HeldEmptyListHeight(HWND window, int currentHeight);
// The window goes: nothing is kept for it.
void ForgetEmptyListShrink(HWND window);
