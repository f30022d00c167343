// The module's entry point: start-up on attach, shutdown on detach.
#include <windows.h>

#include "ime/settings/Globals.h"
#include "ime/settings/Startup.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      StartModule(instance);
      break;
    case DLL_PROCESS_DETACH:
      FreeGlobals();
      break;
    default:
      break;
  }
  return TRUE;
}
