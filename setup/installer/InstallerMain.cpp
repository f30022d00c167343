// lmtsetup: the installer's wizard.
#include <windows.h>

#include <objbase.h>

#include "setup/installer/Wizard.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The folder dialog and the shortcut are shell objects of a single-threaded apartment.
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  TForm1 form;
  int result = 1;
  if (CreateWizard(form, instance)) {
    FormShow(form);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (IsWindow(form.form) && IsDialogMessageA(form.form, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    result = 0;
  }
  if (form.font) DeleteObject(form.font);
  if (com) CoUninitialize();
  return result;
}
