// Mouse clicks sent as hardware input, the way a user's mouse reaches a window.
#pragma once

#include <windows.h>

#include "tests/wine/support/ImeTyping.h"

// A screen pixel as absolute mouse coordinates: 0..65535 over the primary screen.
inline LONG NormalizedCoordinate(int pixel, int screenSize) {
  if (screenSize < 2) return 0;
  return MulDiv(pixel, 65535, screenSize - 1);
}

inline void SendMouseAt(POINT screen, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = NormalizedCoordinate(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = NormalizedCoordinate(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// Moves to the point, lets the window see the cursor arrive, then presses and releases the
// left or right button there.
inline void ClickAt(POINT screen, bool right = false) {
  SendMouseAt(screen, 0);
  Pump(100);
  SendMouseAt(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  SendMouseAt(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  Pump(300);
}
