// The work area of the monitor a window or point is on: every clamp and default position of
// the module's windows uses the monitor that holds them, whatever the monitors' layout.
#pragma once

#include <windows.h>

#include "ime/ui/UiGeometry.h"

// The work area of the monitor that holds the point, or of the nearest monitor.
UiRect WorkAreaAt(UiPoint p);
// The work area of the monitor that holds the most of the rectangle, or of the nearest.
UiRect WorkAreaAround(const UiRect& r);
// The work area of the monitor that holds the most of the window.
UiRect WorkAreaOfWindow(HWND window);
// Forgets the monitors and work areas read so far: they changed.
void ForgetMonitors();
