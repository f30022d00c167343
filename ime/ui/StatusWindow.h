// The status bar: nine image buttons showing and switching the modes of the context.
#pragma once

#include <windows.h>

extern "C" LRESULT CALLBACK StatusWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The button area widened by one pixel right and down, in client coordinates.
RECT StatusButtonAreaForRedraw();
