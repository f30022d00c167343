// The status bar's right-click menus (the context menu and the soft-key menu), each
// tracked by an invisible owner window per UI window that receives its commands.
#pragma once

#include <windows.h>

enum class StatusMenu { kContext, kSoftKey };

// Tracks the menu at the status bar's top-left; a second request while that menu is
// open is ignored.
void ShowStatusMenu(HWND statusWindow, StatusMenu which);

// The owner windows' procedures (classes "ImeCMenuwinime_Mz", "ImeSoftkeyMenuwinime_Mz").
LRESULT CALLBACK ContextMenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SoftKeyMenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Private message by which a UI window being destroyed closes its menu owners, and the
// IMN_PRIVATE codes by which the owners report their destruction to it.
constexpr UINT kCloseMenuOwner = 0x0800;
constexpr LPARAM kPrivateContextMenuGone = 7;
constexpr LPARAM kPrivateSoftKeyMenuGone = 8;

// The module-wide soft-key menu, loaded at the first soft-keyboard click and freed when
// a context is deselected; its layout items are unchecked whenever the soft keyboard
// shows or hides.
void LoadSoftKeyMenuOnce();
void FreeSoftKeyMenu();
void UncheckSoftKeyMenu();

// The layout choice of a soft-key menu item (1280-1292) for the UI window's context.
void ChooseSoftKeyboardLayout(HWND uiWindow, UINT item);
