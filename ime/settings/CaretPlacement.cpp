#include "ime/settings/CaretPlacement.h"

#include "ime/settings/Globals.h"
#include "ime/settings/Registry.h"

namespace {

void ReadOrWriteDefault(HKEY key, const char* name, DWORD* field, DWORD fallback) {
  if (ReadDword(key, name, field)) return;
  *field = fallback;
  RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(field), sizeof(DWORD));
}

}  // namespace

void LoadCaretPlacement() {
  HKEY key = nullptr;
  const DWORD cellHeight = static_cast<DWORD>(globals.charHeight);
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Input Method", 0, nullptr, 0,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    ReadOrWriteDefault(key, "Parallel Distance", &globals.parallelDistance, 0);
    ReadOrWriteDefault(key, "Perpendicular Distance", &globals.perpendicularDistance, cellHeight);
    ReadOrWriteDefault(key, "Perpendicular Tolerance", &globals.perpendicularTolerance, cellHeight);
    RegCloseKey(key);
  } else {
    globals.parallelDistance = 0;
    globals.perpendicularDistance = cellHeight;
    globals.perpendicularTolerance = cellHeight;
  }
  globals.parallelTolerance = 0;
}
