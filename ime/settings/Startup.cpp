#include "ime/settings/Startup.h"

#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"
#include "ime/ui/UiState.h"
#include "ime/ui/WindowClasses.h"

void StartModule(HINSTANCE module) {
  InitGlobals(module);
  RegisterWindowClasses();
  LoadSettings();
  ComputeWindowMetrics();
  UseSchemeCodeLength(globals.sxScheme);
}
