// Answers every MessageBoxA of this program at once with OK, as a user would, by
// redirecting the import while alive: for drivers that meet many boxes.
#pragma once

#include <windows.h>

#include "tests/wine/support/ImportRedirect.h"

class MessageBoxAnswerer {
public:
  MessageBoxAnswerer()
      : redirect_(GetModuleHandleA(nullptr), "user32.dll", "MessageBoxA",
                  reinterpret_cast<void*>(&Answer)) {}

private:
  static int WINAPI Answer(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

  ImportRedirect redirect_;
};
