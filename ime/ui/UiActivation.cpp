#include <windows.h>

#include <imm.h>

#include <cstdio>
#include <cstring>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/settings/Globals.h"
#include "ime/ui/DisplayScale.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiChildren.h"
#include "ime/ui/UiOperations.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

namespace {

// "show status" under Control Panel\Input Method: absent or starting with '1' opens the
// status window; the flag stays as it was when the key does not open.
void ReadShowStatus(UiRecord* record) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Input Method", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  char value[256] = {};
  DWORD size = sizeof value - 1;
  const bool read = RegQueryValueExA(key, "show status", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!read || value[0] == '1') {
    record->uiFlags |= kUiStatusOpen;
  } else {
    record->uiFlags &= ~kUiStatusOpen;
  }
}

// "竖向排列" read afresh; false (after the message) when the settings root does not open.
bool ReadVerticalLayout(HWND owner, DWORD* value) {
  HKEY root = nullptr;
  const LONG error = RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion",
                                   0, KEY_READ, &root);
  if (error != ERROR_SUCCESS) {
    char text[64];
    std::snprintf(text, sizeof text, "Error: RegOpenKeyEx = %ld", error);
    MessageBoxA(owner, text, "警告", MB_ICONINFORMATION);
    return false;
  }
  HKEY settings = nullptr;
  if (RegOpenKeyExA(root, globals.settingsKeyName, 0, KEY_READ, &settings) == ERROR_SUCCESS) {
    DWORD read = 0;
    DWORD size = sizeof read;
    if (RegQueryValueExA(settings, "竖向排列", nullptr, nullptr, reinterpret_cast<BYTE*>(&read),
                         &size) == ERROR_SUCCESS && size == sizeof read) {
      *value = read;
    }
    RegCloseKey(settings);
  }
  RegCloseKey(root);
  return true;
}

// A change of orientation drops the composition and rebuilds the candidate window.
void ChangeOrientation(HWND uiWindow, HIMC himc) {
  RestartInputForOrientation(himc);
  DestroyCandidateWindow(uiWindow);
  ApplyOrientation(himc);
}

// A window of another display scale (a per-monitor aware application on another monitor)
// lays the windows out again: the candidate window is made anew at the next composition,
// the status bar takes its new size.
void FollowDisplayScale(HWND uiWindow, HWND appWindow) {
  const int dpi = WindowDpi(appWindow);
  if (dpi == ui.dpi) return;
  ApplyDisplayScale(dpi);
  DestroyCandidateWindow(uiWindow);
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND status = record->statusWnd;
  UnlockUiRecord(uiWindow);
  if (status) {
    SetWindowPos(status, nullptr, 0, 0, ui.status.window.width, ui.status.window.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(status, nullptr, TRUE);
  }
}

bool CapsLockOn() {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  return (keys[VK_CAPITAL] & 1) != 0;
}

// A forced composition position in the vertical layout moves next to the status bar.
void CompositionNextToStatus(HIMC himc, LPINPUTCONTEXT context) {
  if (!(context->cfCompForm.dwStyle & CFS_FORCE_POSITION) || !globals.verticalLayout) return;
  POINT status = {};
  ImmGetStatusWindowPos(himc, &status);
  const UiRect work = WorkAreaAround(RectAt({status.x, status.y}, ui.status.window));
  const UiPoint p = CompositionBesideStatus({status.x, status.y}, ui.status.window,
                                            ui.candidate.baseWidth, work.right,
                                            GetSystemMetrics(SM_CXBORDER),
                                            GetSystemMetrics(SM_CYBORDER));
  POINT client = {p.x, p.y};
  if (context->hWnd) ScreenToClient(context->hWnd, &client);
  context->cfCompForm.ptCurrentPos = client;
  context->cfCompForm.dwStyle = CFS_DEFAULT;
}

// Whether the application draws the candidates: from its bits, else as its window last
// asked for this context (kept in the context for the next activation without bits).
bool ApplicationDrawsCandidates(LPINPUTCONTEXT context, DWORD iscBits, bool bitsFromApplication) {
  const PrivateRecordLock privateRecord(context);
  if (!privateRecord) return bitsFromApplication && !(iscBits & ISC_SHOWUICANDIDATEWINDOW);
  if (bitsFromApplication) {
    privateRecord->applicationDrawsCandidates = (iscBits & ISC_SHOWUICANDIDATEWINDOW) ? 0 : 1;
  }
  return privateRecord->applicationDrawsCandidates != 0;
}

void Activate(HWND uiWindow, HIMC himc, LPINPUTCONTEXT context, DWORD iscBits,
              bool bitsFromApplication) {
  const bool appDraws = ApplicationDrawsCandidates(context, iscBits, bitsFromApplication);
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  record->uiFlags = (record->uiFlags & 0x3EFFFFF0) | (iscBits & 0xC000000F) | kUiSoftKbdWanted;
  if (appDraws) {
    record->uiFlags |= kUiAppDrawsCandidates;
  } else {
    record->uiFlags &= ~kUiAppDrawsCandidates;
  }
  ReadShowStatus(record);
  const bool hidePending = (record->uiFlags & (kUiCandHidePending | 0x1)) == kUiCandHidePending;
  UnlockUiRecord(uiWindow);
  if (hidePending || appDraws) ShowCandCompWindow(uiWindow, 0);
  if (context->cfCandForm[0].dwIndex != 0) context->cfCandForm[0].dwStyle = 0;

  // A context the engine never selected is left as it is.
  if (!PrivateRecordLock(context)) return;
  DWORD vertical = globals.verticalLayout;
  if (!ReadVerticalLayout(context->hWnd, &vertical)) return;
  globals.verticalLayout = vertical;
  if (vertical != ui.lastLayout) ChangeOrientation(uiWindow, himc);
  ui.lastLayout = vertical;
  FollowDisplayScale(uiWindow, context->hWnd);
  FollowCapsLock(himc, CapsLockOn());
  CompositionNextToStatus(himc, context);
}

}  // namespace

void ApplyOrientation(HIMC himc) {
  if (!globals.verticalLayout) {
    // The bottom left of the monitor the bar is on.
    POINT status = {};
    ImmGetStatusWindowPos(himc, &status);
    const UiRect work = WorkAreaAround(RectAt({status.x, status.y}, ui.status.window));
    POINT p = {work.left, work.bottom - ui.status.window.height};
    ImmSetStatusWindowPos(himc, &p);
  }
  ResetCandidateLayout(globals.verticalLayout != 0);
}

void SetContextUi(HWND uiWindow, BOOL active, DWORD iscBits, bool bitsFromApplication) {
  {
    HIMC himc = ContextOfUi(uiWindow);
    const ContextLock context(himc);
    if (!context) return;
    if (!active) {
      if (UiRecord* record = LockUiRecord(uiWindow)) {
        record->uiFlags &= 0x3DFFFFF0;
        UnlockUiRecord(uiWindow);
      }
    } else {
      Activate(uiWindow, himc, context.get(), iscBits, bitsFromApplication);
    }
  }
  UiPaint(uiWindow);
}
