// The system soft keyboard that shows the layout in use, driven by the UI window. Where
// the system offers no soft keyboard window (ImmCreateSoftKeyboard fails), the layout's
// characters still type and these operations only keep their state.
#pragma once

#include <windows.h>

#include "ime/common/ImmDev.h"
#include "ime/engine/SoftKeyboardLayouts.h"

// The on/off flag of each layout, in menu order.
extern bool softKeyboardFlags[kSoftKeyboardLayoutCount];

// Flips the flag of the layout at the soft keyboard index.
void ToggleSelectedSoftKeyboardLayout();

// Creates, refreshes or destroys the soft keyboard for the context's mode.
void UpdateSoftKeyboard(HWND uiWindow);
// Shows (SW_SHOWNOACTIVATE) or hides it.
void ShowSoftKeyboard(HWND uiWindow, int command);

// The two 256-entry code arrays of a layout: the GBK code of each soft key, normal and
// shifted, at the key's virtual-key code.
void FillSoftKeyboardCodes(unsigned layout, WORD (&codes)[2][256]);
