#include "ime/ui/UiChildren.h"

#include <windows.h>

#include <imm.h>

#include <optional>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/settings/Globals.h"
#include "ime/ui/CandidateTimers.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/SoftKeyboard.h"
#include "ime/ui/StatusWindow.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

namespace {

HWND CreatePopup(WindowClass windowClass, const char* title, DWORD style, UiPoint p, UiSize size,
                 HWND owner, DWORD extraExStyle = 0) {
  return CreateWindowExA(WS_EX_WINDOWEDGE | extraExStyle, globals.classNames[windowClass], title,
                         style, p.x, p.y, size.width, size.height, owner, nullptr,
                         globals.moduleInstance, nullptr);
}

// The context and hint windows serve every status bar of the process. They have no owner,
// so that no UI window takes them along when it goes, and as tool windows they stay off
// the taskbar.
void CreateProcessWindows() {
  if (!ui.contextWindow) {
    ui.contextWindow = CreatePopup(kClassContext, "mycontext", WS_POPUP | WS_DISABLED, {0, 0},
                                   {1, 1}, nullptr, WS_EX_TOOLWINDOW);
  }
  if (!ui.hintWindow) {
    ui.hintWindow = CreatePopup(kClassHint, "hint", WS_POPUP | WS_DISABLED, {0, 0}, {1, 1},
                                nullptr, WS_EX_TOOLWINDOW);
  }
}

// The status position of the context, pulled into the work area of its monitor and stored
// back.
UiPoint ClampedStatusPosition(LPINPUTCONTEXT context) {
  const UiPoint stored = {context->ptStatusWndPos.x, context->ptStatusWndPos.y};
  const UiPoint p = ClampIntoArea(stored, ui.status.window,
                                  WorkAreaAround(RectAt(stored, ui.status.window)));
  context->ptStatusWndPos = {p.x, p.y};
  return p;
}

}  // namespace

void CreateStatusWindow(HWND uiWindow) {
  CreateProcessWindows();
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  bool hasContext = false;
  {
    const ContextLock context(ContextOfUi(uiWindow));
    hasContext = static_cast<bool>(context);
    // The bottom left of the monitor of the application's window.
    const UiRect work = WorkAreaOfWindow(context ? context->hWnd : nullptr);
    UiPoint p = {work.left, work.bottom - ui.status.window.height};
    if (context) {
      const UiPoint stored = ClampedStatusPosition(context.get());
      if (globals.verticalLayout) p = stored;
    }
    if (record->statusWnd) {
      SetWindowPos(record->statusWnd, nullptr, p.x, p.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      record->statusWnd = CreatePopup(kClassStatus, "", WS_POPUP, p, ui.status.window, uiWindow);
      if (record->statusWnd) {
        SetSlot(record->statusWnd, 0, kNoDrag);
        SetSlot(record->statusWnd, 1, 0);
      }
    }
    if (ui.firstStatus && context) {
      // Chinese punctuation is on by default.
      if (!(context->fdwConversion & (IME_CMODE_CHARCODE | IME_CMODE_SYMBOL))) {
        context->fdwConversion |= IME_CMODE_SYMBOL;
      }
      ui.firstStatus = false;
    }
    record->uiFlags |= kUiStatusOpen;
  }
  UnlockUiRecord(uiWindow);
  if (hasContext) ShowStatusWindow(uiWindow, SW_SHOWNOACTIVATE);
}

void ShowStatusWindow(HWND uiWindow, int command) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND status = record->statusWnd;
  if (status && command != record->statusShow) {
    std::optional<UiPoint> place;
    if (const ContextLock context(ContextOfUi(uiWindow)); context) {
      place = ClampedStatusPosition(context.get());
    }
    if (place) {
      SetWindowPos(status, nullptr, place->x, place->y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(status, command ? command : SW_HIDE);
    record->statusShow = command;
  }
  UnlockUiRecord(uiWindow);
}

void OpenStatus(HWND uiWindow) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  record->uiFlags |= kUiStatusOpen;
  const HWND status = record->statusWnd;
  UnlockUiRecord(uiWindow);
  if (!status) {
    CreateStatusWindow(uiWindow);
  } else {
    ShowStatusWindow(uiWindow, SW_SHOWNOACTIVATE);
  }
}

void CloseStatus(HWND uiWindow) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  record->uiFlags &= ~kUiStatusOpen;
  const bool exists = record->statusWnd != nullptr;
  const bool hideCandidates = (record->uiFlags & (kUiCandHidePending | 0x1)) == kUiCandHidePending;
  const bool hideKeyboard = (record->uiFlags & kUiSoftKbdHidePending) && !(record->uiFlags & kUiSoftKbdWanted);
  if (exists && hideKeyboard) record->uiFlags &= ~kUiSoftKbdHidePending;
  UnlockUiRecord(uiWindow);
  if (!exists) return;
  if (hideCandidates) ShowCandCompWindow(uiWindow, 0);
  if (hideKeyboard) ShowSoftKeyboard(uiWindow, 0);
  ShowStatusWindow(uiWindow, 0);
}

void ShowCandCompWindow(HWND uiWindow, int command) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND window = record->candCompWnd;
  // The auto-hide timer hides the window behind the record's back: trust the window.
  const bool visible = window && IsWindowVisible(window);
  if (command != record->candCompShow || (command != 0) != visible) {
    if (command == 0) record->uiFlags &= ~kUiCandHidePending;
    if (window) {
      ShowWindow(window, command ? command : SW_HIDE);
      record->candCompShow = command;
    }
  }
  UnlockUiRecord(uiWindow);
}

void OpenCandidateWindow(HWND uiWindow, bool withTimers) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  record->uiFlags |= 0x1;
  // The window shows the composition and the candidates together: an application that
  // draws the candidates takes both, and the window is not made for it.
  if (record->uiFlags & kUiAppDrawsCandidates) {
    UnlockUiRecord(uiWindow);
    return ShowCandCompWindow(uiWindow, 0);
  }
  HWND window = record->candCompWnd;
  if (!window) {
    window = CreatePopup(kClassCandComp, "", WS_POPUP, {0, 0}, ui.candidateSize, uiWindow);
    record->candCompWnd = window;
    if (window) {
      SetSlot(window, 0, kNoDrag);
      if (withTimers) StartCandidateTimers(window);
    }
  }
  UnlockUiRecord(uiWindow);
  if (!window) return;
  // Sized for its page before it is placed: placed at the size it had (the composition line
  // alone after an emptied list), it would move again when the paint grew it.
  SizeCandidateWindow(window);
  PlaceCandidateWindow(window);
  ShowCandCompWindow(uiWindow, SW_SHOWNOACTIVATE);
}

void DestroyCandidateWindow(HWND uiWindow) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND window = record->candCompWnd;
  UnlockUiRecord(uiWindow);
  // Its WM_DESTROY clears the record's handle and show state.
  if (window) DestroyWindow(window);
}

void RedrawStatusButtons(HWND uiWindow, bool now) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  HWND status = record->statusWnd;
  UnlockUiRecord(uiWindow);
  if (!status) return;
  const RECT area = StatusButtonAreaForRedraw();
  InvalidateRect(status, &area, FALSE);
  if (now) UpdateWindow(status);
}

void DestroyProcessWindows() {
  // Their WM_DESTROY clears the handles.
  if (ui.contextWindow) DestroyWindow(ui.contextWindow);
  if (ui.hintWindow) DestroyWindow(ui.hintWindow);
}
