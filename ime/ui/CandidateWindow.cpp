#include "ime/ui/CandidateWindow.h"

#include <windows.h>

#include <imm.h>

#include "ime/common/Guarded.h"
#include "ime/ui/CandidateSizeHold.h"
#include "ime/ui/CandidateTimers.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/WindowDrag.h"

namespace {

LRESULT CandidateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintCandidateWindowUpdate(window);
      return 0;
    case WM_SETCURSOR:
      CandidateMouse(window, HIWORD(lParam));
      return TRUE;
    case WM_MOUSEMOVE:
      if (IsDragging(window)) MoveWindowDrag(window);
      return 0;
    case WM_LBUTTONUP:
      if (!IsDragging(window)) break;
      CandidateDragEnd(window);
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a dialog, a task switch): the drop never comes.
      if (IsDragging(window)) CancelWindowDrag(window);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSELEAVE:
      CandidateMouseLeave(window);
      return 0;
    case WM_IME_NOTIFY:
      if (wParam == IMN_SETCOMPOSITIONWINDOW || wParam == IMN_SETCANDIDATEPOS) {
        PlaceCandidateWindow(window);
      }
      return 0;
    case WM_DESTROY: {
      if (IsDragging(window)) CancelWindowDrag(window);
      KillTimer(window, kRotationTimer);
      KillTimer(window, kAutoHideTimer);
      ForgetHeldCandidateSize(window);
      HWND owner = OwnerUi(window);
      if (UiRecord* record = LockUiRecord(owner)) {
        record->candCompWnd = nullptr;
        record->candCompShow = 0;
        UnlockUiRecord(owner);
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK CandCompWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(CandidateMessage, window, message, wParam, lParam);
}
