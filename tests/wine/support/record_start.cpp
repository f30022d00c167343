// Stands in for a companion program: appends one line to "started.log" beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string log(path, length);
  log.erase(log.find_last_of('\\') + 1);
  log += "started.log";
  if (FILE* file = std::fopen(log.c_str(), "ab")) {
    std::fputs("started\n", file);
    std::fclose(file);
  }
  return 0;
}
