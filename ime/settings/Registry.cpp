#include "ime/settings/Registry.h"

bool ReadDword(HKEY key, const char* name, DWORD* field) {
  *field = 0;
  DWORD size = sizeof(DWORD);
  return RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(field), &size) ==
         ERROR_SUCCESS;
}

bool ReadString(HKEY key, const char* name, char* buffer, DWORD size) {
  buffer[0] = '\0';
  DWORD type = 0;
  DWORD bytes = size - 1;  // one byte kept for the terminator the registry may not store
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    buffer[0] = '\0';
    return false;
  }
  buffer[bytes < size ? bytes : size - 1] = '\0';
  return true;
}
