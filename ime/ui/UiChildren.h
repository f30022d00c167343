// Creating, showing and hiding the UI window's status and candidate windows.
#pragma once

#include <windows.h>

void OpenStatus(HWND uiWindow);
void CloseStatus(HWND uiWindow);
// Creates the status window (and the process's context and hint windows) or moves it.
void CreateStatusWindow(HWND uiWindow);
void ShowStatusWindow(HWND uiWindow, int command);
void ShowCandCompWindow(HWND uiWindow, int command);
// Creates the candidate window if needed (with its timers when withTimers), places and
// shows it.
void OpenCandidateWindow(HWND uiWindow, bool withTimers);
void DestroyCandidateWindow(HWND uiWindow);
void RedrawStatusButtons(HWND uiWindow, bool now);
// Before the module is unloaded: the process's context and hint windows, which outlive
// every UI window, go with it.
void DestroyProcessWindows();
