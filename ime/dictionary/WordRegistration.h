// The word-registration entry points of the IME interface (ANSI), exported by the module.
#pragma once

#include <windows.h>

#include <imm.h>

extern "C" {
BOOL WINAPI ImeRegisterWord(LPCSTR reading, DWORD style, LPCSTR text);
BOOL WINAPI ImeUnregisterWord(LPCSTR reading, DWORD style, LPCSTR text);
UINT WINAPI ImeGetRegisterWordStyle(UINT itemCount, LPSTYLEBUFA styles);
UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCA callback, LPCSTR reading, DWORD style,
                                LPCSTR text, LPVOID data);
}
