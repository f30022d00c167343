#include "ime/ui/AboutBox.h"

#include <windows.h>

#include "ime/settings/Globals.h"
#include "ime/ui/DialogFrame.h"

namespace {

constexpr FrameInsets kAboutFrame = {10, 10, 11, 44};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      globals.aboutDialog = dialog;  // a context's deselection closes it
      CentreInWorkArea(dialog);
      return TRUE;
    case WM_PAINT:
      PaintEtchedFrame(dialog, kAboutFrame);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY:
      if (globals.aboutDialog == dialog) globals.aboutDialog = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// HtmlHelpA of the system's HTML Help control, loaded by its full path (a file of the same
// name beside the application is never used) the first time and kept for the process: the
// help window lives on after the call. nullptr when it cannot be loaded.
HtmlHelpFunction HtmlHelpEntry() {
  static HtmlHelpFunction entry = nullptr;
  if (entry) return entry;
  constexpr char kControl[] = "\\hhctrl.ocx";
  char path[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + sizeof kControl > MAX_PATH) return nullptr;
  lstrcatA(path, kControl);
  // Its own imports are searched from the system directory too.
  HMODULE control = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!control) return nullptr;
  entry = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpA")));
  if (!entry) FreeLibrary(control);
  return entry;
}

}  // namespace

void ShowAboutBox(HWND owner) {
  DialogBoxParamA(globals.moduleInstance, "IMEVER", owner, AboutProc, 0);
}

std::string HelpFilePath() {
  constexpr char kHelpFile[] = "\\HELP\\lumatori.CHM";
  char windowsDir[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(windowsDir, MAX_PATH);
  if (length == 0 || length + sizeof kHelpFile > MAX_PATH) return {};
  return std::string(windowsDir, length) + kHelpFile;
}

void ShowHelp(HWND owner) {
  const std::string path = HelpFilePath();
  HtmlHelpFunction htmlHelp = path.empty() ? nullptr : HtmlHelpEntry();
  constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
  if (htmlHelp) htmlHelp(owner, path.c_str(), kDisplayTopic, 0);
}
