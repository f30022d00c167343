// Running a window modally over the windows of its thread, as a form's ShowModal does: a
// window without an owner would otherwise leave every other window of the application
// usable behind it.
#pragma once

#include <windows.h>

// Disables the thread's other visible and enabled top-level windows (the input method's
// own windows stay usable: they serve the dialog's edits), shows the dialog, and dispatches
// every message of the thread until *closed is set, the dialog is gone or WM_QUIT arrives
// (posted again for the caller's loop). The disabled windows are enabled again before it
// returns.
void RunThreadModal(HWND dialog, const bool* closed);
