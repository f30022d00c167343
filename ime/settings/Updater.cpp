#include "ime/settings/Updater.h"

#include <windows.h>

#include <string>

void StartUpdater(const char* path) {
  // Started straight, not through the shell: this runs while the application loads the
  // module, and a shell "open" may wait on other applications' windows (DDE) or show an
  // error box. The updater is never waited for; a failure is ignored.
  std::string command = std::string("\"") + path + "\"";
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}
