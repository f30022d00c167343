// Files beside the test program, and other programs run to their end.
#pragma once

#include <windows.h>

#include <string>

inline std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, length);
  return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

// Runs commandLine and waits up to timeoutMs for it; its exit code, or 999 when it could
// not be started or did not end.
inline DWORD RunAndWait(std::string commandLine, DWORD timeoutMs) {
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 999;
  }
  DWORD code = 999;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}
