// The UI window that the input method manager creates for each input context.
#pragma once

#include <windows.h>

extern "C" LRESULT CALLBACK UIWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
