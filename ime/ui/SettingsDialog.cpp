#include "ime/ui/SettingsDialog.h"

#include <imm.h>

#include "ime/resources/resource.h"
#include "ime/settings/Globals.h"
#include "ime/settings/Registry.h"
#include "ime/ui/DialogFrame.h"

namespace {

using SettingField = DWORD ImeGlobals::*;

// The six settings, in the order OK stores them.
enum Setting { kFollowCaret, kVertical, kQuoteSecond, kPeriodThird, kGb2312Only, kAssociation,
               kSettingCount };
constexpr SettingField kSettings[kSettingCount] = {
    &ImeGlobals::followCaret,        &ImeGlobals::verticalLayout, &ImeGlobals::quoteSelectsSecond,
    &ImeGlobals::periodSelectsThird, &ImeGlobals::gb2312Only,     &ImeGlobals::wordAssociation,
};

// The values chosen while the dialog is open.
struct PendingSettings {
  DWORD values[kSettingCount];
};

constexpr int kFollowsCheckState = -1;

// A control and the value its click gives its setting: a radio button its own value, a
// check box its check state.
struct SettingControl {
  int id;
  Setting setting;
  int value;
};

constexpr SettingControl kControls[] = {
    {IDC_VERTICAL, kVertical, 1},
    {IDC_HORIZONTAL, kVertical, 0},
    {IDC_GB2312, kGb2312Only, 1},
    {IDC_GBK, kGb2312Only, 0},
    {IDC_QUOTE_SELECTS_SECOND, kQuoteSecond, kFollowsCheckState},
    {IDC_PERIOD_SELECTS_THIRD, kPeriodThird, kFollowsCheckState},
    {IDC_WORD_ASSOCIATION, kAssociation, kFollowsCheckState},
    {IDC_FOLLOW_CARET, kFollowCaret, kFollowsCheckState},
};

// The etched frame around the setting controls.
constexpr FrameInsets kSettingsFrame = {7, 7, 8, 41};

const SettingControl* ControlWithId(int id) {
  for (const SettingControl& control : kControls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

void InitDialog(HWND dialog, PendingSettings* pending) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(pending));
  globals.settingsDialog = dialog;  // a context's deselection closes it
  CentreInWorkArea(dialog);
  for (int i = 0; i < kSettingCount; ++i) pending->values[i] = globals.*kSettings[i];
  for (const SettingControl& control : kControls) {
    const DWORD checkedAt = control.value == kFollowsCheckState ? 1 : control.value;
    CheckDlgButton(dialog, control.id,
                   pending->values[control.setting] == checkedAt ? BST_CHECKED : BST_UNCHECKED);
  }
}

// The chosen values become the process's settings and are stored in the settings key
// (in memory only when the key can be neither opened nor created).
void Store(const PendingSettings& pending) {
  for (int i = 0; i < kSettingCount; ++i) globals.*kSettings[i] = pending.values[i];
  bool created = false;
  HKEY key = OpenSettingsKey(&created);
  if (!key) return;
  for (int i = 0; i < kSettingCount; ++i) {
    if (const char* name = SettingValueName(kSettings[i])) {
      RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pending.values[i]),
                     sizeof(DWORD));
    }
  }
  RegCloseKey(key);
}

INT_PTR Command(HWND dialog, int id, int notification) {
  auto* pending = reinterpret_cast<PendingSettings*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (id == IDOK || id == IDCANCEL) {
    if (id == IDOK && pending) Store(*pending);
    EndDialog(dialog, 0);
    return TRUE;
  }
  const SettingControl* control = ControlWithId(id);
  if (!control) return FALSE;
  if (notification == BN_CLICKED && pending) {
    pending->values[control->setting] =
        control->value == kFollowsCheckState
            ? (IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0)
            : static_cast<DWORD>(control->value);
  }
  return TRUE;
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDialog(dialog, reinterpret_cast<PendingSettings*>(lParam));
      return TRUE;
    case WM_COMMAND:
      return Command(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_PAINT:
      PaintEtchedFrame(dialog, kSettingsFrame);
      return TRUE;
    case WM_DESTROY:
      if (globals.settingsDialog == dialog) globals.settingsDialog = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool ConfigureIme(HWND owner, DWORD mode) {
  if (mode != IME_CONFIG_GENERAL) return false;
  PendingSettings pending = {};
  const INT_PTR result = DialogBoxParamA(globals.moduleInstance, "IMESET", owner, SettingsDlgProc,
                                         reinterpret_cast<LPARAM>(&pending));
  return result != -1;
}
