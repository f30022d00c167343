#include "ime/settings/Registry.h"

#include "ime/settings/Globals.h"

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

HKEY OpenSettingsKey(bool* created) {
  constexpr char kParentKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
  *created = false;
  // Windows creates a subkey only through a handle that may create one.
  constexpr REGSAM kParentAccess = KEY_READ | KEY_CREATE_SUB_KEY;
  HKEY parent = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kParentKey, 0, kParentAccess, &parent) != ERROR_SUCCESS &&
      RegCreateKeyExA(HKEY_CURRENT_USER, kParentKey, 0, nullptr, 0, kParentAccess, nullptr, &parent,
                      nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, globals.settingsKeyName, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    if (RegCreateKeyExA(parent, globals.settingsKeyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
      *created = true;
    } else {
      key = nullptr;
    }
  }
  RegCloseKey(parent);
  return key;
}
