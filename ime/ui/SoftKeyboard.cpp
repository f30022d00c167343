#include "ime/ui/SoftKeyboard.h"

#include <windows.h>

#include <imm.h>

#include <cstring>

#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/engine/EngineInstance.h"
#include "ime/ui/Menus.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/Placement.h"
#include "ime/settings/Globals.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

#ifndef IMC_SETSOFTKBDDATA
#define IMC_SETSOFTKBDDATA 0x0018
#endif

bool softKeyboardFlags[kSoftKeyboardLayoutCount] = {};

namespace {

// The soft keys' virtual keys, in the order of the layout rows.
const unsigned char kSoftKeyVirtualKeys[kSoftKeyCount] = {
    ' ',  '0',  '1',  '2',  '3',  '4',  '5',  '6',  '7',  '8',  '9',  'A',
    'B',  'C',  'D',  'E',  'F',  'G',  'H',  'I',  'J',  'K',  'L',  'M',
    'N',  'O',  'P',  'Q',  'R',  'S',  'T',  'U',  'V',  'W',  'X',  'Y',
    'Z',  0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE};

struct SoftKeyboardData {
  UINT uCount;
  WORD wCode[2][256];
};

WORD CodeOf(std::string_view entry) {
  return static_cast<WORD>((static_cast<unsigned char>(entry[0]) << 8) |
                           static_cast<unsigned char>(entry[1]));
}

UiPoint TopLeftOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

// The first free quarter of the work area, away from the candidate and status windows.
void PlaceSoftKeyboard(const UiRecord& record, LPINPUTCONTEXT context) {
  // The quarters of the monitor the status bar is on.
  const UiRect work = record.statusWnd ? WorkAreaOfWindow(record.statusWnd)
                                       : WorkAreaOfWindow(record.softKbdWnd);
  unsigned occupied = 0;
  if (record.candCompWnd) occupied |= 1u << QuarterOf(TopLeftOf(record.candCompWnd), work);
  if (record.statusWnd) occupied |= 1u << QuarterOf(TopLeftOf(record.statusWnd), work);
  RECT keyboard = {};
  GetWindowRect(record.softKbdWnd, &keyboard);
  UiPoint p = {};
  if (!SoftKeyboardPosition(occupied, {keyboard.right - keyboard.left, keyboard.bottom - keyboard.top},
                            work, &p)) {
    return;
  }
  context->ptSoftKbdPos = {p.x, p.y};
  context->fdwInit |= INIT_SOFTKBDPOS;
}

void LoadLayoutData(HWND keyboard) {
  SoftKeyboardData data = {};
  data.uCount = 2;
  FillSoftKeyboardCodes(engine.softKeyboardIndex, data.wCode);
  SendMessageA(keyboard, WM_IME_CONTROL, IMC_SETSOFTKBDDATA, reinterpret_cast<LPARAM>(&data));
}

}  // namespace

void ToggleSelectedSoftKeyboardLayout() {
  const unsigned index = engine.softKeyboardIndex;
  if (index < kSoftKeyboardLayoutCount) softKeyboardFlags[index] = !softKeyboardFlags[index];
}

void FillSoftKeyboardCodes(unsigned layout, WORD (&codes)[2][256]) {
  std::memset(codes, 0, sizeof codes);
  for (int key = 0; key < kSoftKeyCount; ++key) {
    codes[0][kSoftKeyVirtualKeys[key]] = CodeOf(SoftKeyEntry(layout, false, key));
    codes[1][kSoftKeyVirtualKeys[key]] = CodeOf(SoftKeyEntry(layout, true, key));
  }
}

void UpdateSoftKeyboard(HWND uiWindow) {
  const ContextLock context(ContextOfUi(uiWindow));
  const PrivateRecordLock privateRecord(context.get());
  UiRecord* record = privateRecord ? LockUiRecord(uiWindow) : nullptr;
  if (record) {
    if (!(context->fdwConversion & IME_CMODE_SOFTKBD)) {
      if (record->softKbdWnd) ImmDestroySoftKeyboard(record->softKbdWnd);
      record->softKbdWnd = nullptr;
      record->softKbdShow = 0;
    } else if (context->fOpen) {
      if (!record->softKbdWnd) {
        record->softKbdWnd = ImmCreateSoftKeyboard(SOFTKEYBOARD_TYPE_C1, uiWindow, 0, 0);
      }
      record->uiFlags |= kUiSoftKbdWanted;
      if (record->softKbdWnd) {
        if (!(context->fdwInit & INIT_SOFTKBDPOS)) PlaceSoftKeyboard(*record, context.get());
        LoadLayoutData(record->softKbdWnd);
        if (record->softKbdShow == 0) {
          SetWindowPos(record->softKbdWnd, nullptr, context->ptSoftKbdPos.x,
                       context->ptSoftKbdPos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
          ImmShowSoftKeyboard(record->softKbdWnd, SW_SHOWNOACTIVATE);
          record->softKbdShow = SW_SHOWNOACTIVATE;
        }
      }
    } else if (record->softKbdWnd && record->softKbdShow) {
      ImmShowSoftKeyboard(record->softKbdWnd, SW_HIDE);
      record->softKbdShow = 0;
    }
    UnlockUiRecord(uiWindow);
  }
}

void ShowSoftKeyboard(HWND uiWindow, int command) {
  UncheckSoftKeyMenu();
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return;
  if (record->softKbdWnd && command != record->softKbdShow) {
    ImmShowSoftKeyboard(record->softKbdWnd, command);
    record->softKbdShow = command;
  }
  UnlockUiRecord(uiWindow);
}
