// Working the module's dialogs and menus the way a user does, from a second thread while
// the application's thread runs them modally: windows found by class and caption, controls
// clicked with the mouse, texts read back, message boxes answered.
#pragma once

#include <windows.h>

#include <string>

#include "tests/wine/support/MouseInput.h"

// The first visible top-level window of this process with the class and caption (GBK;
// nullptr for any), waiting up to timeoutMs; nullptr when none showed.
inline HWND WaitForWindow(const char* windowClass, const char* caption, DWORD timeoutMs = 5000) {
  const DWORD until = GetTickCount() + timeoutMs;
  for (;;) {
    HWND window = FindWindowA(windowClass, caption);
    DWORD process = 0;
    if (window && IsWindowVisible(window) && GetWindowThreadProcessId(window, &process) &&
        process == GetCurrentProcessId()) {
      return window;
    }
    if (static_cast<LONG>(until - GetTickCount()) <= 0) return nullptr;
    Sleep(20);
  }
}

inline bool WaitUntilGone(HWND window, DWORD timeoutMs = 5000) {
  const DWORD until = GetTickCount() + timeoutMs;
  while (IsWindow(window)) {
    if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
    Sleep(20);
  }
  return true;
}

inline POINT MiddleOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Clicks the middle of a dialog's control.
inline void ClickControl(HWND dialog, int id) {
  RECT r = {};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  ClickAt(MiddleOf(r));
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

// Alt+F4, as a user closes the active window.
inline void PressAltF4() {
  SendKey(VK_MENU, false);
  SendKey(VK_F4, false);
  SendKey(VK_F4, true);
  SendKey(VK_MENU, true);
  Pump(300);
}

// Waits for a message box with the caption, clicks its OK button and returns its text;
// empty when none showed.
inline std::string AnswerMessageBox(const char* caption) {
  HWND box = WaitForWindow("#32770", caption);
  if (!box) return {};
  Sleep(100);  // the box sets its text after it shows
  const std::string text = ControlText(box, 0xFFFF);
  ClickControl(box, IDOK);
  WaitUntilGone(box);
  return text;
}

// The window's top-left when it stands in the middle of the rectangle, as the module's
// dialogs place themselves: ((right - width) / 2, (bottom - height) / 2).
inline POINT CentredIn(const RECT& area, HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {(area.right - (r.right - r.left)) / 2, (area.bottom - (r.bottom - r.top)) / 2};
}

// A client point of the window as it appears on the screen when its top-left is at origin.
inline POINT ClientPointAt(HWND window, POINT origin, int x, int y) {
  RECT r = {};
  GetWindowRect(window, &r);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  return {origin.x + (client.x - r.left) + x, origin.y + (client.y - r.top) + y};
}
