#include "ime/ui/ThreadModal.h"

#include <vector>

#include "ime/settings/Globals.h"

namespace {

struct DisabledWindows {
  HWND dialog;
  std::vector<HWND> windows;
};

bool IsInputMethodWindow(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetClassLongPtrA(window, GCLP_HMODULE)) ==
         globals.moduleInstance;
}

BOOL CALLBACK DisableWindow(HWND window, LPARAM parameter) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(parameter);
  if (window == disabled->dialog || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
      IsInputMethodWindow(window)) {
    return TRUE;
  }
  try {
    disabled->windows.push_back(window);
  } catch (...) {
    return FALSE;  // the windows not yet disabled stay as they are
  }
  EnableWindow(window, FALSE);
  return TRUE;
}

}  // namespace

void RunThreadModal(HWND dialog, const bool* closed) {
  DisabledWindows disabled = {dialog, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  ShowWindow(dialog, SW_SHOW);
  MSG message;
  while (!*closed && IsWindow(dialog)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  for (HWND window : disabled.windows) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}
