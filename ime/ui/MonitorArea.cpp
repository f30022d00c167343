#include "ime/ui/MonitorArea.h"

#include <mutex>
#include <vector>

#include "ime/settings/Globals.h"
#include "ime/ui/MonitorChoice.h"
#include "ime/ui/UiState.h"

namespace {

// A change of the monitors or of a work area is announced to the UI windows, which forget
// the list; the list is also read again after this long, should an announcement be missed.
constexpr ULONGLONG kMonitorListLifeMs = 10000;

struct MonitorList {
  std::mutex lock;
  std::vector<MonitorAreas> monitors;
  ULONGLONG readAt = 0;
  bool current = false;
};

// Never destroyed: nothing may run at process detach.
MonitorList& Kept() {
  static MonitorList* list = new MonitorList;
  return *list;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    reinterpret_cast<std::vector<MonitorAreas>*>(data)->push_back(
        {ToUiRect(info.rcMonitor), ToUiRect(info.rcWork)});
  }
  return TRUE;
}

std::vector<MonitorAreas> Monitors() {
  MonitorList& kept = Kept();
  const ULONGLONG now = GetTickCount64();
  {
    std::lock_guard<std::mutex> guard(kept.lock);
    if (kept.current && now - kept.readAt < kMonitorListLifeMs) return kept.monitors;
  }
  std::vector<MonitorAreas> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  std::lock_guard<std::mutex> guard(kept.lock);
  kept.monitors = monitors;
  kept.readAt = now;
  kept.current = !monitors.empty();
  return monitors;
}

// The desktop's work area when the system names no monitor.
UiRect AreaOf(const std::vector<MonitorAreas>& monitors, int index) {
  if (index >= 0) return monitors[static_cast<size_t>(index)].work;
  ReadWorkArea();
  return ToUiRect(globals.workArea);
}

}  // namespace

UiRect WorkAreaAt(UiPoint p) {
  const std::vector<MonitorAreas> monitors = Monitors();
  return AreaOf(monitors, MonitorHolding(monitors, p));
}

UiRect WorkAreaAround(const UiRect& r) {
  const std::vector<MonitorAreas> monitors = Monitors();
  return AreaOf(monitors, MonitorAround(monitors, r));
}

UiRect WorkAreaOfWindow(HWND window) {
  RECT r = {};
  if (!window || !GetWindowRect(window, &r)) return AreaOf({}, -1);
  return WorkAreaAround(ToUiRect(r));
}

void ForgetMonitors() {
  MonitorList& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  kept.current = false;
}
