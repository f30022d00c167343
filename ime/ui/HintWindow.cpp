#include "ime/ui/HintWindow.h"

#include <cstring>

#include "ime/common/Guarded.h"
#include "ime/settings/Globals.h"
#include "ime/ui/HintLayout.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiPaint.h"
#include "ime/ui/UiState.h"

namespace {

void CopyLine(char (&target)[kHintLineSize], const char* text) {
  std::strncpy(target, text ? text : "", kHintLineSize - 1);
  target[kHintLineSize - 1] = '\0';
}

void PaintHint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  HFONT font = CreateSongFont(9);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SIZE cell = {};
  GetTextExtentPoint32A(dc, "中", 2, &cell);
  const int h = cell.cy;
  const int len1 = static_cast<int>(std::strlen(ui.hint.line1));
  const int len2 = static_cast<int>(std::strlen(ui.hint.line2));
  const UiSize size = HintSize(TextWidth(dc, ui.hint.line1, len1),
                               TextWidth(dc, ui.hint.line2, len2), h, len2 > 0,
                               ui.dpi ? ui.dpi : 96);
  const int width = size.width;
  const int height = size.height;

  RECT client = {};
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height) {
    SetWindowPos(window, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitRoundedRegion(window, width, height);
  RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawRoundedFrame(dc, width, height);
  SetBkMode(dc, TRANSPARENT);
  const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
  TextOutA(dc, Scaled(5), h + Scaled(8), ui.hint.line1, len1);
  TextOutA(dc, Scaled(5), 2 * h + Scaled(16), ui.hint.line2, len2);
  SetTextAlign(dc, oldAlign);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  EndPaint(window, &ps);

  RECT owner = {};
  if (!ui.hint.owner || !GetWindowRect(ui.hint.owner, &owner)) return;
  POINT cursor = {};
  GetCursorPos(&cursor);
  const UiRect work = WorkAreaAround(ToUiRect(owner));
  UiPoint p = HintPosition(ui.hint.placement, ToUiRect(owner), size, {cursor.x, cursor.y},
                           ui.hint.anchor, work);
  RECT popup = {};
  if (ui.contextWindow && IsWindowVisible(ui.contextWindow) &&
      GetWindowRect(ui.contextWindow, &popup)) {
    p = HintClearOfPopup(p, size, ToUiRect(popup), work);
  }
  SetWindowPos(window, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT HintMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintHint(window);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_DESTROY:
      ShowWindow(window, SW_HIDE);
      if (ui.hintWindow == window) ui.hintWindow = nullptr;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK HintWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(HintMessage, window, message, wParam, lParam);
}

void HideHint() {
  if (ui.hintWindow) ShowWindow(ui.hintWindow, SW_HIDE);
}

void ClearTooltip(int* shownId) {
  *shownId = -1;
  HideHint();
}

void ShowTooltip(int* shownId, int id, bool textCheck, HWND owner, const char* line1,
                 const char* line2, HintPlacement placement, int anchor) {
  if (!ui.hintWindow) return;
  const bool sameText = std::strcmp(ui.hint.line1, line1 ? line1 : "") == 0 &&
                        std::strcmp(ui.hint.line2, line2 ? line2 : "") == 0;
  if (id == *shownId && sameText && IsWindowVisible(ui.hintWindow)) return;
  if (id != *shownId || (textCheck && !sameText)) HideHint();
  CopyLine(ui.hint.line1, line1);
  CopyLine(ui.hint.line2, line2);
  ui.hint.placement = placement;
  ui.hint.anchor = anchor;
  ui.hint.owner = owner;
  *shownId = id;
  ShowWindow(ui.hintWindow, SW_SHOWNOACTIVATE);
  InvalidateRect(ui.hintWindow, nullptr, TRUE);
}
