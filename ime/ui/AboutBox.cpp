#include "ime/ui/AboutBox.h"

#include <windows.h>

#include <string>

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

}  // namespace

void ShowAboutBox(HWND owner) {
  DialogBoxParamA(globals.moduleInstance, "IMEVER", owner, AboutProc, 0);
}

void ShowHelp(HWND owner) {
  char windowsDir[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(windowsDir, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::string path = std::string(windowsDir) + "\\HELP\\lumatori.CHM";
  if (path.size() >= MAX_PATH) return;
  // Loaded on demand, so that applications do not carry the viewer with the module, and
  // kept: the help window it opens lives on after the call.
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  HMODULE viewer = LoadLibraryA("hhctrl.ocx");
  if (!viewer) return;
  auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")));
  constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
  if (htmlHelp) htmlHelp(owner, path.c_str(), kDisplayTopic, 0);
}
