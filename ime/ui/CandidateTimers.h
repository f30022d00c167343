// The candidate window's two thread timers: query-list rotation and auto-hide.
#pragma once

#include <windows.h>

constexpr UINT_PTR kRotationTimer = 10;
constexpr UINT kRotationPeriodMs = 10;
constexpr UINT_PTR kAutoHideTimer = 11;
constexpr UINT kAutoHidePeriodMs = 11;

void CALLBACK RotationTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK AutoHideTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

// Installs both timers on a new candidate window.
void StartCandidateTimers(HWND window);
