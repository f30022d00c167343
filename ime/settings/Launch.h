// The status bar's launchers: the code-lookup document and the typing-practice program.
#pragma once

#include <windows.h>

// Opens "sxzd.txt" or "zxzd.txt" of the active scheme in the dictionary directory; false,
// with nothing opened, when the module is not installed.
bool OpenCodeLookupFile();
// Starts the program named by "打字练习", or offers its download when it is missing.
void LaunchTypingPractice(HWND owner);
