#include "ime/ui/IdleConnectionTimer.h"

#include "ime/common/Guarded.h"
#include "ime/dictionary/HeldConnections.h"

namespace {

void CALLBACK CloseIdleConnectionsTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  Guarded([] { CloseIdleConnections(); });
}

}  // namespace

void StartIdleConnectionTimer(HWND uiWindow) {
  SetTimer(uiWindow, kIdleConnectionTimer, kIdleConnectionPeriodMs, CloseIdleConnectionsTimerProc);
}

void StopIdleConnectionTimer(HWND uiWindow) { KillTimer(uiWindow, kIdleConnectionTimer); }
