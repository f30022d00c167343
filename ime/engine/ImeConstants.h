// Values of the IME side of the input method manager interface that MinGW's imm.h lacks,
// the engine's own constants for the entry points, and the check that the key core's
// values are the interface's.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/ImeValues.h"

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

// The key core's copies of the interface's values are the platform's.
static_assert(kModeNative == IME_CMODE_NATIVE && kModeFullShape == IME_CMODE_FULLSHAPE &&
              kModeCharCode == IME_CMODE_CHARCODE && kModeSoftKeyboard == IME_CMODE_SOFTKBD &&
              kModeNoConversion == IME_CMODE_NOCONVERSION && kModeEudc == IME_CMODE_EUDC &&
              kModeSymbol == IME_CMODE_SYMBOL);
static_assert(kVkBack == VK_BACK && kVkReturn == VK_RETURN && kVkShift == VK_SHIFT &&
              kVkControl == VK_CONTROL && kVkMenu == VK_MENU && kVkCapital == VK_CAPITAL &&
              kVkEscape == VK_ESCAPE && kVkSpace == VK_SPACE && kVkPrior == VK_PRIOR &&
              kVkNext == VK_NEXT && kVkEnd == VK_END && kVkHome == VK_HOME &&
              kVkNumpad0 == VK_NUMPAD0 && kVkDivide == VK_DIVIDE);
static_assert(kKeyFlagAltDown == KF_ALTDOWN);
static_assert(kWmChar == WM_CHAR && kWmImeStartComposition == WM_IME_STARTCOMPOSITION &&
              kWmImeEndComposition == WM_IME_ENDCOMPOSITION &&
              kWmImeComposition == WM_IME_COMPOSITION && kWmImeNotify == WM_IME_NOTIFY);
static_assert(kImnChangeCandidate == IMN_CHANGECANDIDATE &&
              kImnCloseCandidate == IMN_CLOSECANDIDATE && kImnOpenCandidate == IMN_OPENCANDIDATE &&
              kImnGuideline == IMN_GUIDELINE && kImnPrivate == IMN_PRIVATE);
static_assert(kGuidelineLevelError == GL_LEVEL_ERROR &&
              kGuidelineTooManyStrokes == GL_ID_TOOMANYSTROKE);

// The entry points answer TRUE with all bits set.
constexpr BOOL kImeTrue = static_cast<BOOL>(0xFFFFFFFF);

constexpr UINT kBeep = 0xFFFFFFFF;  // MessageBeep: the simple system beep
