#include "ime/ui/AboutBox.h"

#include <windows.h>

#include <string>

#include "ime/settings/Globals.h"

namespace {

// The etched frame: white along the top and left, black with a grey line inside it
// along the bottom and right.
void PaintEtchedFrame(HWND dialog) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  RECT client = {};
  GetClientRect(dialog, &client);
  const int left = 10, top = 10, right = client.right - 11, bottom = client.bottom - 44;
  HGDIOBJ old = SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, left, bottom, nullptr);
  LineTo(dc, left, top);
  LineTo(dc, right, top);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, left, bottom, nullptr);
  LineTo(dc, right, bottom);
  LineTo(dc, right, top - 1);
  HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  SelectObject(dc, grey);
  MoveToEx(dc, left + 1, bottom - 1, nullptr);
  LineTo(dc, right - 1, bottom - 1);
  LineTo(dc, right - 1, top);
  SelectObject(dc, old);
  DeleteObject(grey);
  EndPaint(dialog, &paint);
}

void CentreInWorkArea(HWND dialog) {
  ReadWorkArea();
  RECT r = {};
  GetWindowRect(dialog, &r);
  const int x = (globals.workArea.right - (r.right - r.left)) / 2;
  const int y = (globals.workArea.bottom - (r.bottom - r.top)) / 2;
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      globals.aboutDialog = dialog;  // a context's deselection closes it
      CentreInWorkArea(dialog);
      return TRUE;
    case WM_PAINT:
      PaintEtchedFrame(dialog);
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
