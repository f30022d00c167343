// The context window: the popup of the status bar's web button with the home page, the web
// search and the pages of the link list.
#pragma once

#include <windows.h>

LRESULT CALLBACK ContextWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the context window without activating it, above the status bar whose button asked.
void ShowContextWindow(HWND statusWindow);
