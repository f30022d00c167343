#include "ime/settings/Updater.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "ime/settings/Globals.h"

namespace {

const char kUpdaterFile[] = "lumatoriup.exe";

// Started straight, not through the shell: a shell "open" may wait on other applications'
// windows (DDE) or show an error box.
void StartUpdater(const std::string& path) {
  std::string command = "\"" + path + "\"";
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace

void StartUpdaterOnce() {
  if (globals.installDir[0] == '\0') return;
  // The input method manager may unload the module and load it again in the same process,
  // so the mark is a named event of this process, not a value of the module. Its handle
  // stays open until the process ends.
  char name[64];
  std::snprintf(name, sizeof name, "Local\\LumatoriUpdater.%lu",
                static_cast<unsigned long>(GetCurrentProcessId()));
  HANDLE mark = CreateEventA(nullptr, TRUE, FALSE, name);
  if (!mark) return;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mark);
    return;
  }
  StartUpdater(std::string(globals.installDir) + kUpdaterFile);
}
