// The About box (dialog IMEVER) and the help file, both opened from the context menu.
#pragma once

#include <windows.h>

#include <string>

// Runs the About box modally, owned by the application's window.
void ShowAboutBox(HWND owner);

// The help file: the Windows directory followed by "\HELP\lumatori.CHM"; empty when the
// path would not fit MAX_PATH.
std::string HelpFilePath();
// Opens the help file with HTML Help from the system directory.
void ShowHelp(HWND owner);
