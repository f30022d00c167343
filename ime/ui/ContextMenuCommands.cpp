#include "ime/ui/ContextMenuCommands.h"

#include <imm.h>

#include "ime/common/ImmDev.h"
#include "ime/ui/CreateWord.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/resources/resource.h"
#include "ime/ui/AboutBox.h"
#include "ime/ui/SettingsDialog.h"
#include "ime/ui/UiOperations.h"
#include "ime/ui/UiRecord.h"

namespace {

// After the settings dialog: the composition is dropped, the context opened, and the
// candidate window made anew for the layout now chosen.
void FollowSettings(HWND uiWindow) {
  HIMC himc = ContextOfUi(uiWindow);
  if (RestartInputAfterSettings(himc)) ApplyOrientation(himc);
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
  HWND application = nullptr;
  {
    const ContextLock context(ContextOfUi(uiWindow));
    if (!context) return;
    application = context->hWnd;
  }
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
