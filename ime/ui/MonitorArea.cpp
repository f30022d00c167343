#include "ime/ui/MonitorArea.h"

#include "ime/settings/Globals.h"
#include "ime/ui/UiState.h"

namespace {

// The desktop's work area when the system names no monitor.
UiRect AreaOf(HMONITOR monitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoA(monitor, &info)) return ToUiRect(info.rcWork);
  ReadWorkArea();
  return ToUiRect(globals.workArea);
}

}  // namespace

UiRect WorkAreaAt(UiPoint p) { return AreaOf(MonitorFromPoint({p.x, p.y}, MONITOR_DEFAULTTONEAREST)); }

UiRect WorkAreaAround(const UiRect& r) {
  const RECT rect = ToRect(r);
  return AreaOf(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

UiRect WorkAreaOfWindow(HWND window) {
  return AreaOf(window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr);
}
