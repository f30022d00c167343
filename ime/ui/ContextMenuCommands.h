// What the items of the status bar's context menu (PROPMENU) do.
#pragma once

#include <windows.h>

// Runs a command for the UI window's context: help, the About box, the phrase dialog or
// the settings. Nothing happens when the UI window has no context.
void RunContextMenuCommand(HWND owner, HWND uiWindow, UINT item);
