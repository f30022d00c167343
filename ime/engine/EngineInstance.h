// The engine of this process: its values, and the settings and host services each call
// reads. Only the IMM adapter and the windows reach them.
#pragma once

#include "ime/engine/EngineCall.h"

extern EngineValues engine;

// The settings of the module-wide record, as a call reads them.
EngineSettings CurrentEngineSettings();
// What this host gives the engine (by its quirks).
const HostServices& CurrentHostServices();
