// Values of the IME side of the input method manager interface that MinGW's imm.h lacks,
// and the engine's own constants for the entry points.
#pragma once

#include "ime/common/ImmDev.h"

#ifndef IME_PROP_END_UNLOAD
#define IME_PROP_END_UNLOAD 0x00000001
#endif
#ifndef UI_CAP_SOFTKBD
#define UI_CAP_SOFTKBD 0x00010000
#endif
#ifndef NI_CONTEXTUPDATED
#define NI_CONTEXTUPDATED 0x0003
#endif
#ifndef IMC_SETCONVERSIONMODE
#define IMC_SETCONVERSIONMODE 0x0002
#endif
#ifndef IMC_SETOPENSTATUS
#define IMC_SETOPENSTATUS 0x0006
#endif

// Conversion-mode bits of the module's own: traditional output, and the bit the status
// window toggles when it switches the coding scheme.
constexpr DWORD kModeTraditional = 0x1000;
constexpr DWORD kModeScheme = 0x2000;

// The entry points answer TRUE with all bits set.
constexpr BOOL kImeTrue = static_cast<BOOL>(0xFFFFFFFF);

constexpr UINT kBeep = 0xFFFFFFFF;  // MessageBeep: the simple system beep
