#include "ime/ui/ContextMenuCommands.h"

#include <imm.h>

#include "ime/common/ImmDev.h"
#include "ime/ui/CreateWord.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/InputControl.h"
#include "ime/resources/resource.h"
#include "ime/settings/SettingsDialog.h"
#include "ime/ui/AboutBox.h"
#include "ime/ui/UiOperations.h"
#include "ime/ui/UiRecord.h"

namespace {

// After the settings dialog: the composition is dropped, the context opened, and the
// candidate window made anew for the layout now chosen.
void FollowSettings(HWND uiWindow) {
  HIMC himc = ContextOfUi(uiWindow);
  LPINPUTCONTEXT context = himc ? ImmLockIMC(himc) : nullptr;
  if (!context) return;
  PrivateRecord* record = LockPrivateRecord(context);
  if (record) {
    record->state = kStateIdle;
    CancelInput(himc, context);
    context->fOpen = TRUE;
    if (!(context->fdwInit & INIT_CONVERSION)) {
      context->fdwConversion = IME_CMODE_NATIVE;
      context->fdwInit |= INIT_CONVERSION;
    }
    RaiseRequests(himc, context, kMsgPrivateNotice6);  // the candidate window is destroyed
    UnlockPrivateRecord(context);
    ApplyOrientation(himc);
  }
  ImmUnlockIMC(himc);
}

void Settings(HWND uiWindow, HWND application) {
  const HKL layout = GetKeyboardLayout(0);
  ConfigureIme(application, IME_CONFIG_GENERAL);
  // A switch to another input method while the dialog was open has taken the context
  // from this module: it is no longer this module's to change.
  if (GetKeyboardLayout(0) == layout) FollowSettings(uiWindow);
}

}  // namespace

void RunContextMenuCommand(HWND owner, HWND uiWindow, UINT item) {
  HIMC himc = ContextOfUi(uiWindow);
  LPINPUTCONTEXT context = himc ? ImmLockIMC(himc) : nullptr;
  if (!context) return;
  HWND application = context->hWnd;
  ImmUnlockIMC(himc);
  switch (item) {
    case IDM_HELP:
      ShowHelp(owner);
      break;
    case IDM_ABOUT:
      ShowAboutBox(application);
      break;
    case IDM_CREATE_WORD:
      ShowPhraseDialog();
      break;
    case IDM_SETTINGS:
      Settings(uiWindow, application);
      break;
    default:
      break;
  }
}
