// The module's start-up in a process, run once when the module is attached.
#pragma once

#include <windows.h>

// The module-wide record (InitGlobals), the window classes and the settings (LoadSettings),
// in this order; then what follows from the settings: the windows' layout for "竖向排列"
// (and the value the first activation compares with) and the code length of the scheme.
void StartModule(HINSTANCE module);
