#include "ime/ui/UIWindow.h"

#include <windows.h>

#include <imm.h>

#include "ime/common/Guarded.h"
#include "ime/engine/HostQuirks.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiOperations.h"
#include "ime/ui/UiRecord.h"

// The manager sends every WM_IME_* message of the context here. None may reach
// DefWindowProc: for an IME window it hands them back to the default IME window, which
// sends them here again.
namespace {

LRESULT UiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      UiCreate(window);
      return 0;
    case WM_DESTROY:
      UiDestroy(window);
      return 0;
    case WM_PAINT:
      UiPaint(window);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_IME_STARTCOMPOSITION:
      StartCompositionUi(window);
      return 0;
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_COMPOSITION:
      InvalidateCandidateWindow(window);
      return 0;
    case WM_IME_COMPOSITIONFULL:
      return 0;
    case WM_IME_SETCONTEXT:
      HeardActivation();
      SetContextUi(window, static_cast<BOOL>(wParam), static_cast<DWORD>(lParam), true);
      if (wParam && ContextOfUi(window)) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
      }
      return 0;
    case WM_IME_SELECT:
      SetContextUi(window, static_cast<BOOL>(wParam), 0, false);
      return 0;
    case WM_IME_NOTIFY:
      NotifyUi(window, wParam, lParam);
      return 0;
    case WM_IME_CONTROL:
      return ControlUi(window, wParam, lParam);
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
      ForgetMonitors();
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

extern "C" LRESULT CALLBACK UIWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(UiMessage, window, message, wParam, lParam);
}
