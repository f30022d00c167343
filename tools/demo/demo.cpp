// The main job's program: loads the module as an application would and prints the
// settings its start-up wrote.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lmt_demo MODULE\n");
    return 2;
  }
  HMODULE module = LoadLibraryA(argv[1]);
  if (!module) {
    std::fprintf(stderr, "cannot load %s (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\LUMatori", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    std::printf("Settings written by the module:\n");
    for (DWORD i = 0;; ++i) {
      char name[256];
      BYTE data[512];
      DWORD nameSize = sizeof name, dataSize = sizeof data - 1, type = 0;
      if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
        break;
      // Names are GBK; print them as UTF-8 for the terminal.
      wchar_t wide[256];
      char utf8[768];
      MultiByteToWideChar(936, 0, name, -1, wide, 256);
      WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
      if (type == REG_DWORD) {
        std::printf("  %s = %lu\n", utf8, *reinterpret_cast<DWORD*>(data));
      } else {
        data[dataSize] = 0;
        std::printf("  %s = \"%s\"\n", utf8, reinterpret_cast<char*>(data));
      }
    }
    RegCloseKey(key);
  }
  FreeLibrary(module);
  return 0;
}
