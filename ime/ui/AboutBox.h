// The About box (dialog IMEVER) and the help file, both opened from the context menu.
#pragma once

#include <windows.h>

// Runs the About box modally, owned by the application's window.
void ShowAboutBox(HWND owner);
// Opens the help file in the Windows directory with the system's HTML help viewer.
void ShowHelp(HWND owner);
