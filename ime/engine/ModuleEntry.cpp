// The module's entry point: start-up on attach, shutdown on detach.
#include <windows.h>

#include "ime/common/Guarded.h"
#include "ime/engine/ModuleStart.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      // A start-up that fails refuses the load; the detach that follows frees what it made.
      return Guarded<BOOL>(FALSE, [&] {
        StartModule(instance);
        return TRUE;
      });
    case DLL_PROCESS_DETACH:
      Guarded([] { StopModule(); });
      break;
    default:
      break;
  }
  return TRUE;
}
