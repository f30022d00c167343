// Small registry helpers shared by the settings code.
#pragma once

#include <windows.h>

// Reads up to 4 bytes of a value into *field (zeroed first); false when the value is absent
// or larger than 4 bytes. The stored type is not checked.
bool ReadDword(HKEY key, const char* name, DWORD* field);

// Reads a string value into buffer (size bytes, always terminated); false when the value
// is absent, not a string, or does not fit.
bool ReadString(HKEY key, const char* name, char* buffer, DWORD size);

// The settings key (HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\LUMatori)
// with full access, created with its parent when missing; nullptr when it can be neither
// opened nor created. *created tells whether it was created now.
HKEY OpenSettingsKey(bool* created);
