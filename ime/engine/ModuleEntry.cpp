// The module's entry point: start-up on attach, shutdown on detach.
#include <windows.h>

#include "ime/settings/Globals.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      InitGlobals(instance);
      // The window classes are registered here, between the two start-up steps.
      LoadSettings();
      break;
    case DLL_PROCESS_DETACH:
      FreeGlobals();
      break;
    default:
      break;
  }
  return TRUE;
}
