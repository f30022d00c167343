#include "ime/ui/DisplayScale.h"

namespace {

// The per-window DPI functions of newer systems, looked up once.
struct PerWindowDpi {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  using WindowAwareness = HANDLE(WINAPI*)(HWND);
  using AwarenessOf = int(WINAPI*)(HANDLE);
  DpiForWindow dpiForWindow;
  WindowAwareness windowAwareness;
  AwarenessOf awarenessOf;
};

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const PerWindowDpi& Functions() {
  static const PerWindowDpi functions = [] {
    PerWindowDpi f = {};
    if (HMODULE user = GetModuleHandleA("user32.dll")) {
      f.dpiForWindow = Lookup<PerWindowDpi::DpiForWindow>(user, "GetDpiForWindow");
      f.windowAwareness = Lookup<PerWindowDpi::WindowAwareness>(user, "GetWindowDpiAwarenessContext");
      f.awarenessOf = Lookup<PerWindowDpi::AwarenessOf>(user, "GetAwarenessFromDpiAwarenessContext");
    }
    return f;
  }();
  return functions;
}

constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
  // Only a per-monitor aware window has a DPI of its own; for the others the system DPI is
  // the one their text is drawn at (96 where the system scales them itself).
  const PerWindowDpi& f = Functions();
  if (window && f.dpiForWindow && f.windowAwareness && f.awarenessOf &&
      f.awarenessOf(f.windowAwareness(window)) == kPerMonitorAware) {
    if (const UINT dpi = f.dpiForWindow(window)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}
