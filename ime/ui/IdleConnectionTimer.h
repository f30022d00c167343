// The thread timer of each UI window that closes the dictionary connections left idle: the
// module has no thread of its own, and SQLite may not be called at process detach.
#pragma once

#include <windows.h>

constexpr UINT_PTR kIdleConnectionTimer = 12;
// How often the idle connections are looked for: a connection closes within this much after
// its idle limit.
constexpr UINT kIdleConnectionPeriodMs = 5000;

void StartIdleConnectionTimer(HWND uiWindow);
void StopIdleConnectionTimer(HWND uiWindow);
