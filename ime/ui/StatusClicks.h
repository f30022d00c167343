// What a left click on a status button does to the context's modes.
#pragma once

#include <windows.h>

constexpr int kSoftKeyboardButton = 6;

// Runs the click of button (0-8, -1 for none) for the status bar's context.
void StatusButtonClick(HWND statusWindow, HIMC himc, int button);
