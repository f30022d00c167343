// The settings dialog (IMESET): six settings changed for this process and, on OK, stored
// in the settings key. ImeConfigure, the entry point of the input method manager, opens it.
#pragma once

#include <windows.h>

// Runs the dialog modally, owned by owner, for mode IME_CONFIG_GENERAL and answers true
// when it has closed; false, with nothing shown, for every other mode.
bool ConfigureIme(HWND owner, DWORD mode);
