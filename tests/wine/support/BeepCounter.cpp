#include "tests/wine/support/BeepCounter.h"

#include <windows.h>

#include <cstring>

namespace {

LONG beeps = 0;

BOOL WINAPI CountBeep(UINT) {
  InterlockedIncrement(&beeps);
  return TRUE;
}

// The import address slot of user32's MessageBeep in this program.
void** MessageBeepSlot() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       module->Name; ++module) {
    if (_stricmp(reinterpret_cast<char*>(base + module->Name), "user32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), "MessageBeep") == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD protection;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

BeepCounter::BeepCounter() : slot(MessageBeepSlot()) {
  beeps = 0;
  if (!slot) return;
  original = *slot;
  WriteSlot(slot, reinterpret_cast<void*>(&CountBeep));
}

BeepCounter::~BeepCounter() {
  if (slot) WriteSlot(slot, original);
}

int BeepCounter::Count() const { return slot ? static_cast<int>(beeps) : -1; }
