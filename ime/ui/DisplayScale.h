// The display scale of the application's window, in dots per inch (96 at 100 %): the
// module's windows are laid out, drawn and hit-tested at that scale.
#pragma once

#include <windows.h>

// The window's own DPI where the system keeps one per window and the window is per-monitor
// aware (looked up at run time, so that systems without it still load the module), else
// the system DPI.
int WindowDpi(HWND window);
// The DPI of the screen device context.
int SystemDpi();
