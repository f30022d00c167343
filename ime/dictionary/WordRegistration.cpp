// The word-registration part of the IME interface: exported, but user phrases are added
// only through the phrase dialog, so every entry point answers that it did nothing.
#include "ime/dictionary/WordRegistration.h"

extern "C" {

BOOL WINAPI ImeRegisterWord(LPCSTR, DWORD, LPCSTR) { return FALSE; }

BOOL WINAPI ImeUnregisterWord(LPCSTR, DWORD, LPCSTR) { return FALSE; }

UINT WINAPI ImeGetRegisterWordStyle(UINT, LPSTYLEBUFA) { return 0; }

UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCA, LPCSTR, DWORD, LPCSTR, LPVOID) {
  return 0;
}

}  // extern "C"
