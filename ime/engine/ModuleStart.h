// The module's start-up and shutdown in a process.
#pragma once

#include <windows.h>

// The module-wide record (InitGlobals), the window classes and the settings (LoadSettings),
// in this order; then what follows from the settings: the windows' layout for "竖向排列"
// (and the value the first activation compares with) and the engine's values for the
// scheme.
void StartModule(HINSTANCE module);
// The window classes are unregistered and the shared fonts deleted, then what start-up
// allocated is freed.
void StopModule();
