#include "ime/engine/EngineState.h"

EngineValues engine;
