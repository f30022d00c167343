#include "ime/ui/Menus.h"

#include <windows.h>

#include <imm.h>

#include "ime/common/Guarded.h"
#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/PrivateRecord.h"
#include "ime/resources/resource.h"
#include "ime/settings/Globals.h"
#include "ime/ui/ContextMenuCommands.h"
#include "ime/ui/SoftKeyboard.h"
#include "ime/ui/UiRecord.h"

namespace {

constexpr DWORD kOwnerExStyle = WS_EX_DLGMODALFRAME | 0x2;

struct MenuKind {
  const char* resource;
  WindowClass ownerClass;
  const char* ownerTitle;
  HWND UiRecord::*owner;
  bool busy;  // the menu is being tracked
};

MenuKind kinds[] = {
    {"PROPMENU", kClassCMenu, "Context Menu", &UiRecord::contextMenuWnd, false},
    {"SKMENU", kClassSoftkeyMenu, "Softkey Menu", &UiRecord::softKeyMenuWnd, false},
};

HMENU trackedMenu = nullptr;  // the menu inside TrackPopupMenu, destroyed only after it

HWND OwnerWindow(HWND uiWindow, const MenuKind& kind, HWND application) {
  UiRecord* record = LockUiRecord(uiWindow);
  if (!record) return nullptr;
  HWND owner = record->*kind.owner;
  if (!owner) {
    owner = CreateWindowExA(kOwnerExStyle, globals.classNames[kind.ownerClass], kind.ownerTitle,
                            WS_POPUP | WS_DISABLED, 0, 0, 0, 0, application, nullptr,
                            globals.moduleInstance, nullptr);
    record->*kind.owner = owner;
  }
  UnlockUiRecord(uiWindow);
  return owner;
}

void CheckChosenLayout(HMENU popup) {
  const unsigned index = engine.softKeyboardIndex;
  if (index < kSoftKeyboardLayoutCount && softKeyboardFlags[index]) {
    CheckMenuItem(popup, IDM_SOFTKEY_FIRST + index, MF_BYCOMMAND | MF_CHECKED);
  }
}

void TrackMenu(HWND statusWindow, MenuKind& kind) {
  HWND uiWindow = OwnerUi(statusWindow);
  HWND application = nullptr;
  {
    const ContextLock context(ContextOfUi(uiWindow));
    if (!context) return;
    application = context->hWnd;
  }
  HWND owner = OwnerWindow(uiWindow, kind, application);
  HMENU menu = owner ? LoadMenuA(globals.moduleInstance, kind.resource) : nullptr;
  HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
  if (!popup) {
    if (menu) DestroyMenu(menu);
    return;
  }
  SetSlot(owner, 0, reinterpret_cast<LONG_PTR>(uiWindow));
  SetSlot(owner, 1, reinterpret_cast<LONG_PTR>(menu));
  if (kind.ownerClass == kClassSoftkeyMenu) CheckChosenLayout(popup);
  RECT status = {};
  GetWindowRect(statusWindow, &status);
  trackedMenu = menu;
  TrackPopupMenu(popup, TPM_LEFTBUTTON, status.left, status.top, 0, owner, nullptr);
  trackedMenu = nullptr;
  // The owner may have been closed or destroyed while the menu was up.
  if (IsWindow(owner) && GetSlot(owner, 1) == reinterpret_cast<LONG_PTR>(menu)) SetSlot(owner, 1, 0);
  DestroyMenu(menu);
}

// Takes the owner's menu from slot 1; a menu still being tracked is ended and left to
// TrackMenu, which destroys it when TrackPopupMenu returns.
void DropOwnedMenu(HWND owner) {
  HMENU menu = reinterpret_cast<HMENU>(GetSlot(owner, 1));
  SetSlot(owner, 1, 0);
  if (!menu) return;
  if (menu == trackedMenu) {
    EndMenu();
  } else {
    DestroyMenu(menu);
  }
}

// What both owners do with the messages they share; false for the ones they leave to
// the default procedure.
bool OwnerMessage(HWND window, UINT message, LPARAM goneCode) {
  switch (message) {
    case WM_CLOSE:
      DropOwnedMenu(window);
      return false;
    case kCloseMenuOwner:
      SendMessageA(window, WM_CLOSE, 0, 0);
      if (IsWindow(window)) DestroyWindow(window);
      return true;
    case WM_DESTROY:
      DropOwnedMenu(window);  // also when destroyed with its application's window
      if (HWND uiWindow = reinterpret_cast<HWND>(GetSlot(window, 0))) {
        SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_PRIVATE, goneCode);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace

void ShowStatusMenu(HWND statusWindow, StatusMenu which) {
  MenuKind& kind = kinds[which == StatusMenu::kContext ? 0 : 1];
  if (kind.busy) return;
  kind.busy = true;
  TrackMenu(statusWindow, kind);
  kind.busy = false;
}

namespace {

LRESULT ContextMenuOwnerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    try {
      RunContextMenuCommand(window, reinterpret_cast<HWND>(GetSlot(window, 0)), LOWORD(wParam));
    } catch (...) {
      // The command is dropped; no exception leaves the window procedure.
    }
    return 0;
  }
  if (OwnerMessage(window, message, kPrivateContextMenuGone)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT SoftKeyMenuOwnerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const UINT item = LOWORD(wParam);
      if (item >= IDM_SOFTKEY_FIRST && item <= IDM_SOFTKEY_LAST) {
        ChooseSoftKeyboardLayout(reinterpret_cast<HWND>(GetSlot(window, 0)), item);
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (HIWORD(lParam) == WM_RBUTTONUP) MessageBeep(kBeep);
      break;
    default:
      if (OwnerMessage(window, message, kPrivateSoftKeyMenuGone)) return 0;
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ContextMenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(ContextMenuOwnerMessage, window, message, wParam, lParam);
}

LRESULT CALLBACK SoftKeyMenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(SoftKeyMenuOwnerMessage, window, message, wParam, lParam);
}

void LoadSoftKeyMenuOnce() {
  if (!globals.softKeyMenu) globals.softKeyMenu = LoadMenuA(globals.moduleInstance, "SKMENU");
}

void FreeSoftKeyMenu() {
  if (globals.softKeyMenu) DestroyMenu(globals.softKeyMenu);
  globals.softKeyMenu = nullptr;
}

void UncheckSoftKeyMenu() {
  HMENU popup = globals.softKeyMenu ? GetSubMenu(globals.softKeyMenu, 0) : nullptr;
  if (!popup) return;
  for (UINT item = IDM_SOFTKEY_FIRST; item <= IDM_SOFTKEY_LAST; ++item) {
    CheckMenuItem(popup, item, MF_BYCOMMAND | MF_UNCHECKED);
  }
}

void ChooseSoftKeyboardLayout(HWND uiWindow, UINT item) {
  HIMC himc = ContextOfUi(uiWindow);
  const unsigned index = item - IDM_SOFTKEY_FIRST;
  if (!UseSoftKeyboardLayout(himc, index)) return;
  for (unsigned i = 0; i < kSoftKeyboardLayoutCount; ++i) softKeyboardFlags[i] = i == index;
  // Off and on again, so that the soft keyboard is rebuilt with the new layout.
  DWORD mode = 0, sentence = 0;
  ImmGetConversionStatus(himc, &mode, &sentence);
  ImmSetConversionStatus(himc, mode & ~IME_CMODE_SOFTKBD, sentence);
  ImmSetConversionStatus(himc, mode | IME_CMODE_SOFTKBD, sentence);
}
