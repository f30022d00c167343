// What the UI window does with its child windows: the handlers behind UIWndProc.
#pragma once

#include <windows.h>

// WM_CREATE: the UI record, and the window sized to nothing.
void UiCreate(HWND uiWindow);
// WM_DESTROY: closes the menu owners, destroys the children, frees the record.
void UiDestroy(HWND uiWindow);
// WM_PAINT: validates, drops further queued paints and updates what is visible.
void UiPaint(HWND uiWindow);
// WM_IME_SETCONTEXT with the application's ISC bits, and WM_IME_SELECT, which carries none:
// there what the context's window last asked for holds.
void SetContextUi(HWND uiWindow, BOOL active, DWORD iscBits, bool bitsFromApplication);
// After a change of "竖向排列": the horizontal layout puts the status bar at the bottom-left
// of the work area; the candidate window's layout follows the orientation.
void ApplyOrientation(HIMC himc);
// WM_IME_STARTCOMPOSITION.
void StartCompositionUi(HWND uiWindow);
// WM_IME_COMPOSITION and WM_IME_ENDCOMPOSITION: the candidate window repaints.
void InvalidateCandidateWindow(HWND uiWindow);
// WM_IME_NOTIFY.
void NotifyUi(HWND uiWindow, WPARAM notification, LPARAM argument);
// WM_IME_CONTROL: the result the message returns.
LRESULT ControlUi(HWND uiWindow, WPARAM command, LPARAM argument);

// Shows or hides everything according to uiFlags and the context (0 hides all).
void UpdateUiVisibility(HWND uiWindow, int command);
