#include "ime/engine/ModuleStart.h"

#include "ime/engine/EngineInstance.h"
#include "ime/settings/Globals.h"
#include "ime/ui/PaintCache.h"
#include "ime/ui/UiState.h"
#include "ime/ui/WindowClasses.h"

void StartModule(HINSTANCE module) {
  InitGlobals(module);
  RegisterWindowClasses();
  LoadSettings();
  ComputeWindowMetrics();
  engine = StartingEngine(ActiveDictionaries().scheme);
}

void StopModule() {
  UnregisterWindowClasses();
  FreePaintCache();
  FreeGlobals();
}
