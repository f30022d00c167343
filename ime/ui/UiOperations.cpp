#include "ime/ui/UiOperations.h"

#include <windows.h>

#include <imm.h>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/PrivateRecord.h"
#include "ime/settings/Globals.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/DictionaryNotice.h"
#include "ime/ui/IdleConnectionTimer.h"
#include "ime/ui/Menus.h"
#include "ime/ui/SoftKeyboard.h"
#include "ime/ui/UiChildren.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

#ifndef IMN_SOFTKBDDESTROYED
#define IMN_SOFTKBDDESTROYED 0x0011
#endif

namespace {

constexpr LPARAM kPrivateRedrawStatus = 1;
constexpr LPARAM kPrivateSoftKeyboard = 5;
constexpr LPARAM kPrivateRebuildCandidates = 6;

HWND ChildOf(HWND uiWindow, HWND UiRecord::*field) {
  HWND child = nullptr;
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    child = record->*field;
    UnlockUiRecord(uiWindow);
  }
  return child;
}

void ClearChild(HWND uiWindow, HWND UiRecord::*field) {
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    record->*field = nullptr;
    UnlockUiRecord(uiWindow);
  }
}

void Guideline(HWND uiWindow) {
  DWORD level = 0;
  {
    const ContextLock context(ContextOfUi(uiWindow));
    if (!context) return;
    const BlockLock<GUIDELINE> guide(context->hGuideLine);
    if (guide) level = guide->dwLevel;
  }
  if (level == GL_LEVEL_ERROR) {
    MessageBeep(kBeep);
    MessageBeep(kBeep);
  } else if (level == GL_LEVEL_WARNING) {
    MessageBeep(kBeep);
  }
}

// The candidate window while it shows, else the status bar.
HWND NoticeOwner(HWND uiWindow) {
  HWND candidates = ChildOf(uiWindow, &UiRecord::candCompWnd);
  if (candidates && IsWindowVisible(candidates)) return candidates;
  return ChildOf(uiWindow, &UiRecord::statusWnd);
}

void PrivateNotice(HWND uiWindow, LPARAM code) {
  switch (code) {
    case kPrivateRedrawStatus:
      RedrawStatusButtons(uiWindow, true);
      break;
    case kPrivateSoftKeyboard:
      UpdateSoftKeyboard(uiWindow);
      break;
    case kPrivateRebuildCandidates:
      DestroyCandidateWindow(uiWindow);
      break;
    case kPrivateContextMenuGone:
      ClearChild(uiWindow, &UiRecord::contextMenuWnd);
      break;
    case kPrivateSoftKeyMenuGone:
      ClearChild(uiWindow, &UiRecord::softKeyMenuWnd);
      break;
    case kPrivateUserDictionaryNotice:
      ShowUserDictionaryNotice(NoticeOwner(uiWindow));
      break;
    default:
      break;
  }
}

// The candidate window during the visibility update: shown while a composition runs,
// hidden (or, with the status open, marked for a later hide) otherwise; always hidden for
// an application that draws its own candidates.
void UpdateCandidateVisibility(HWND uiWindow, bool composing, bool vertical) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND window = record->candCompWnd;
  const bool shown = window && record->candCompShow && IsWindowVisible(window);
  const bool statusOpen = record->uiFlags & kUiStatusOpen;
  const bool appDraws = record->uiFlags & kUiAppDrawsCandidates;
  if (!composing && shown && statusOpen && !appDraws) record->uiFlags |= kUiCandHidePending;
  UnlockUiRecord(uiWindow);
  if (appDraws) {
    if (shown) ShowCandCompWindow(uiWindow, 0);
  } else if (composing) {
    if (!window) return OpenCandidateWindow(uiWindow, false);
    if (shown) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    if (vertical) SendMessageA(window, WM_IME_NOTIFY, IMN_SETCOMPOSITIONWINDOW, 0);
    if (!shown) ShowCandCompWindow(uiWindow, SW_SHOWNOACTIVATE);
  } else if (shown && !statusOpen) {
    ShowCandCompWindow(uiWindow, 0);
  }
}

void UpdateStatusVisibility(HWND uiWindow) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  const bool open = record->uiFlags & kUiStatusOpen;
  HWND status = record->statusWnd;
  const bool shown = status && record->statusShow;
  UnlockUiRecord(uiWindow);
  if (!open) {
    if (status) DestroyWindow(status);
    return;
  }
  if (!status) CreateStatusWindow(uiWindow);
  status = ChildOf(uiWindow, &UiRecord::statusWnd);
  if (!status) return;
  if (shown) RedrawWindow(status, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  SendMessageA(status, WM_IME_NOTIFY, IMN_SETSTATUSWINDOWPOS, 0);
  ShowStatusWindow(uiWindow, SW_SHOWNOACTIVATE);
}

void UpdateSoftKeyboardVisibility(HWND uiWindow, HIMC himc, const INPUTCONTEXT& context) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  const bool wanted = (record->uiFlags & kUiSoftKbdWanted) &&
                      (context.fdwConversion & IME_CMODE_SOFTKBD);
  HWND keyboard = record->softKbdWnd;
  const bool shown = keyboard && record->softKbdShow;
  const bool statusOpen = record->uiFlags & kUiStatusOpen;
  const bool otherContext = record->lastImc != himc;
  if (context.fOpen && !wanted && shown && statusOpen) record->uiFlags |= kUiSoftKbdHidePending;
  UnlockUiRecord(uiWindow);
  if (!context.fOpen) return ShowSoftKeyboard(uiWindow, 0);
  if (wanted) {
    if (!keyboard || otherContext) return UpdateSoftKeyboard(uiWindow);
    if (!shown) return ShowSoftKeyboard(uiWindow, SW_SHOWNOACTIVATE);
    RedrawWindow(keyboard, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  } else if (shown && !statusOpen) {
    ShowSoftKeyboard(uiWindow, 0);
  }
}

// Shows the windows of a context with the engine's record; false when it has none.
bool UpdateContextUi(HWND uiWindow, HIMC himc) {
  const ContextLock context(himc);
  bool composing = false;
  {
    const PrivateRecordLock privateRecord(context.get());
    if (!privateRecord) return false;
    composing = privateRecord->msgFlags & kMsgCompositionStarted;
  }
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    record->uiFlags |= 0x1;
    UnlockUiRecord(uiWindow);
  }
  UpdateCandidateVisibility(uiWindow, composing, globals.verticalLayout != 0);
  UpdateStatusVisibility(uiWindow);
  UpdateSoftKeyboardVisibility(uiWindow, himc, *context.get());
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    record->lastImc = himc;
    UnlockUiRecord(uiWindow);
  }
  return true;
}

}  // namespace

void UpdateUiVisibility(HWND uiWindow, int command) {
  if (command && UpdateContextUi(uiWindow, ContextOfUi(uiWindow))) return;
  ShowStatusWindow(uiWindow, 0);
  ShowCandCompWindow(uiWindow, 0);
  ShowSoftKeyboard(uiWindow, 0);
}

void UiCreate(HWND uiWindow) {
  if (!CreateUiRecord(uiWindow)) return;
  SetWindowPos(uiWindow, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER);
  ShowWindow(uiWindow, SW_SHOWNOACTIVATE);
  StartIdleConnectionTimer(uiWindow);
}

void UiDestroy(HWND uiWindow) {
  StopIdleConnectionTimer(uiWindow);
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  for (HWND owner : {record->contextMenuWnd, record->softKeyMenuWnd}) {
    if (!owner) continue;
    SetSlot(owner, 0, 0);
    SendMessageA(owner, kCloseMenuOwner, 0, 0);
  }
  HWND candidates = record->candCompWnd;
  HWND status = record->statusWnd;
  HWND keyboard = record->softKbdWnd;
  record->softKbdWnd = nullptr;
  UnlockUiRecord(uiWindow);
  if (candidates) DestroyWindow(candidates);
  if (status) DestroyWindow(status);
  // The manager may already have destroyed it with its owner, this window.
  if (keyboard && IsWindow(keyboard)) ImmDestroySoftKeyboard(keyboard);
  FreeUiRecord(uiWindow);
}

void UiPaint(HWND uiWindow) {
  PAINTSTRUCT ps;
  BeginPaint(uiWindow, &ps);
  EndPaint(uiWindow, &ps);
  MSG pending;
  while (PeekMessageA(&pending, uiWindow, WM_PAINT, WM_PAINT, PM_REMOVE | PM_NOYIELD)) {
  }
  DWORD flags = 0;
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    flags = record->uiFlags;
    UnlockUiRecord(uiWindow);
  }
  UpdateUiVisibility(uiWindow, (flags & kUiActiveBits) ? SW_SHOWNOACTIVATE : 0);
}

void StartCompositionUi(HWND uiWindow) { OpenCandidateWindow(uiWindow, true); }

void InvalidateCandidateWindow(HWND uiWindow) {
  if (HWND window = ChildOf(uiWindow, &UiRecord::candCompWnd)) InvalidateRect(window, nullptr, FALSE);
}

void NotifyUi(HWND uiWindow, WPARAM notification, LPARAM argument) {
  switch (notification) {
    case IMN_CLOSESTATUSWINDOW:
      CloseStatus(uiWindow);
      break;
    case IMN_OPENSTATUSWINDOW:
      OpenStatus(uiWindow);
      break;
    case IMN_CHANGECANDIDATE:
      if (argument & 1) {
        if (HWND window = ChildOf(uiWindow, &UiRecord::candCompWnd)) {
          HDC dc = GetDC(window);
          PaintCandidateWindow(window, dc);
          ReleaseDC(window, dc);
        }
      }
      break;
    case IMN_CLOSECANDIDATE:
      if (argument & 1) InvalidateCandidateWindow(uiWindow);
      break;
    case IMN_OPENCANDIDATE:
      if (!(argument & 1)) break;
      if (CurrentHostQuirks().editKeepsCompositionMessages) {
        // In place of the start and update of the composition that the control kept.
        StartCompositionUi(uiWindow);
        InvalidateCandidateWindow(uiWindow);
      } else {
        OpenCandidateWindow(uiWindow, false);
      }
      break;
    case IMN_SETCONVERSIONMODE:
    case IMN_SETOPENSTATUS:
      RedrawStatusButtons(uiWindow, false);
      break;
    case IMN_SETCANDIDATEPOS:
    case IMN_SETCOMPOSITIONWINDOW:
      if (HWND window = ChildOf(uiWindow, &UiRecord::candCompWnd)) {
        PostMessageA(window, WM_IME_NOTIFY, notification, argument);
      }
      break;
    case IMN_SETSTATUSWINDOWPOS:
      if (HWND status = ChildOf(uiWindow, &UiRecord::statusWnd)) {
        PostMessageA(status, WM_IME_NOTIFY, notification, argument);
      }
      break;
    case IMN_GUIDELINE:
      Guideline(uiWindow);
      break;
    case IMN_PRIVATE:
      PrivateNotice(uiWindow, argument);
      break;
    case IMN_SOFTKBDDESTROYED:
      ClearChild(uiWindow, &UiRecord::softKbdWnd);
      break;
    default:
      break;
  }
}

LRESULT ControlUi(HWND uiWindow, WPARAM command, LPARAM argument) {
  switch (command) {
    case IMC_GETCOMPOSITIONWINDOW: {
      HWND window = ChildOf(uiWindow, &UiRecord::candCompWnd);
      RECT r = {};
      if (!window || !argument || !GetWindowRect(window, &r)) return 1;
      auto* form = reinterpret_cast<COMPOSITIONFORM*>(argument);
      form->dwStyle = CFS_RECT | CFS_POINT;
      form->ptCurrentPos = {r.left, r.top};
      form->rcArea = r;
      return 0;
    }
    case IMC_GETSTATUSWINDOWPOS: {
      HWND status = ChildOf(uiWindow, &UiRecord::statusWnd);
      RECT r = {};
      if (!status || !GetWindowRect(status, &r)) return 0;
      return static_cast<LRESULT>(PackPoint16({r.left, r.top}));
    }
    case IMC_SETSTATUSWINDOWPOS: {
      HIMC himc = ContextOfUi(uiWindow);
      const UiPoint packed = UnpackPoint16(static_cast<DWORD>(argument));
      POINT p = {packed.x, packed.y};
      return himc && ImmSetStatusWindowPos(himc, &p) ? 0 : 1;
    }
    default:
      return 1;
  }
}
