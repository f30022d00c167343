#include "ime/ui/StatusClicks.h"

#include <windows.h>

#include <imm.h>

#include <string>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"
#include "ime/settings/Launch.h"
#include "ime/ui/ContextWindow.h"
#include "ime/ui/Menus.h"
#include "ime/ui/SoftKeyboard.h"

namespace {

constexpr DWORD kNotNativeMask = 0x221;  // NATIVE, CHARCODE, EUDC

bool CapsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

void SwitchCapsLockOff() {
  keybd_event(VK_CAPITAL, 0x3A, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event(VK_CAPITAL, 0x3A, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

// "声型" under the settings key, created when missing; a failed write changes nothing else.
void StoreScheme(BYTE sx) {
  HKEY key = nullptr;
  const std::string path = std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") +
                           globals.settingsKeyName;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  const DWORD value = sx;
  RegSetValueExA(key, "声型", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

void Beep() { MessageBeep(kBeep); }

}  // namespace

void StatusButtonClick(HWND statusWindow, HIMC himc, int button) {
  if (!himc) return;
  if (!ImmGetOpenStatus(himc)) {
    ImmSetOpenStatus(himc, TRUE);
    AttachUiWindow(himc);  // some hosts repoint the UI window when opening
    return;
  }
  DWORD m = 0;
  DWORD sentence = 0;
  ImmGetConversionStatus(himc, &m, &sentence);
  const bool charCode = (m & IME_CMODE_CHARCODE) != 0;
  const bool eudc = (m & IME_CMODE_EUDC) != 0;
  switch (button) {
    case 0:
      if (charCode || eudc) {
        ApplyConversionMode(himc, (m & ~kNotNativeMask) | IME_CMODE_NATIVE);
      } else if (m & IME_CMODE_NATIVE) {
        ApplyConversionMode(himc, m & ~kNotNativeMask);
      } else {
        if (CapsLockOn()) SwitchCapsLockOff();
        ReleaseCapsLockEnglish();
        ApplyConversionMode(himc, (m & ~kNotNativeMask) | IME_CMODE_NATIVE);
      }
      break;
    case 1:
      if (charCode) return Beep();
      globals.sxScheme = globals.sxScheme ? 0 : 1;
      UseScheme(himc, ActiveDictionaries().scheme);
      StoreScheme(globals.sxScheme);
      ApplyConversionMode(himc, m ^ kModeScheme);
      break;
    case 2:
      if (charCode) return Beep();
      ApplyConversionMode(himc, m ^ kModeTraditional);
      break;
    case 3:
      if (!OpenCodeLookupFile()) Beep();
      break;
    case 4:
      if (charCode || eudc) return Beep();
      ApplyConversionMode(himc, m ^ IME_CMODE_FULLSHAPE);
      break;
    case 5:
      if (charCode) return Beep();
      ApplyConversionMode(himc, m ^ IME_CMODE_SYMBOL);
      break;
    case kSoftKeyboardButton: {
      {
        const ContextLock context(himc);
        if (!PrivateRecordLock(context.get())) return Beep();
        LoadSoftKeyMenuOnce();
        ToggleSelectedSoftKeyboardLayout();
      }
      ApplyConversionMode(himc, m ^ IME_CMODE_SOFTKBD);
      break;
    }
    case 7:
      LaunchTypingPractice(statusWindow);
      break;
    case 8:
      ShowContextWindow(statusWindow);
      break;
    default:
      Beep();
      break;
  }
}
