// Registry helpers for tests that start the module against known settings.
#pragma once

#include <windows.h>

#include <string>

inline const char kSettingsKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\LUMatori";
inline const char kCaretKeyPath[] = "Control Panel\\Input Method";

inline void DeleteKeyTree(const char* path) { RegDeleteTreeA(HKEY_CURRENT_USER, path); RegDeleteKeyA(HKEY_CURRENT_USER, path); }

inline void SetDword(const char* path, const char* name, DWORD value, DWORD type = REG_DWORD) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

inline void SetString(const char* path, const char* name, const std::string& value) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}
