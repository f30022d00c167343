// The notice that the user dictionary cannot be read: a balloon in the hint window under
// its owner (the candidate window, or else the status bar) that hides by itself. It takes
// no focus and waits for nobody, so typing goes on with the system candidates meanwhile.
#pragma once

#include <windows.h>

void ShowUserDictionaryNotice(HWND owner);
