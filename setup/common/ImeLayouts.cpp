#include "setup/common/ImeLayouts.h"

#include <cstdlib>

#include "setup/common/PathText.h"

std::vector<std::string> LayoutKeysFor(const char* imeFile) {
  std::vector<std::string> keys;
  HKEY layouts;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyboardLayoutsKey, 0, KEY_READ, &layouts) !=
      ERROR_SUCCESS) {
    return keys;
  }
  char name[64];
  for (DWORD i = 0; RegEnumKeyA(layouts, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    char file[MAX_PATH] = {};
    DWORD size = sizeof file - 1;
    if (RegGetValueA(layouts, name, "Ime File", RRF_RT_REG_SZ, nullptr, file, &size) ==
            ERROR_SUCCESS &&
        lstrcmpiA(FileNameOf(file).c_str(), FileNameOf(imeFile).c_str()) == 0) {
      keys.push_back(name);
    }
  }
  RegCloseKey(layouts);
  return keys;
}

HKL LayoutHandle(const std::string& key) {
  return reinterpret_cast<HKL>(static_cast<ULONG_PTR>(std::strtoul(key.c_str(), nullptr, 16)));
}
