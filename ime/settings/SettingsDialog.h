// The settings dialog (IMESET): six settings changed for this process and, on OK, stored
// in the settings key. ImeConfigure, exported for the input method manager, opens it.
#pragma once

#include <windows.h>

// Runs the dialog modally, owned by owner, for mode IME_CONFIG_GENERAL and answers TRUE
// when it has closed; FALSE, with nothing shown, for every other mode.
BOOL ConfigureIme(HWND owner, DWORD mode);
