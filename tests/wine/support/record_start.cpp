// Stands in for a companion program: appends one line to "started.log" beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  // Wide characters: in GBK a byte 0x5C inside a character of the folder's or the program's
  // name would pass for a separator.
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring log(path, length);
  log.erase(log.find_last_of(L'\\') + 1);
  log += L"started.log";
  if (FILE* file = _wfopen(log.c_str(), L"ab")) {
    std::fputs("started\n", file);
    std::fclose(file);
  }
  return 0;
}
