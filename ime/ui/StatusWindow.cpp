#include "ime/ui/StatusWindow.h"

#include <windows.h>

#include <imm.h>

#include <string>

#include "ime/common/Guarded.h"
#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"
#include "ime/ui/HintWindow.h"
#include "ime/ui/Menus.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/StatusClicks.h"
#include "ime/ui/PaintCache.h"
#include "ime/ui/UiPaint.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"
#include "ime/ui/WindowDrag.h"

namespace {

HIMC StatusContext(HWND window) { return ContextOfUi(OwnerUi(window)); }

// The images of the nine buttons for the context's modes; a closed context shows only
// button 0.
void ChooseImages(const INPUTCONTEXT& context, const char* (&images)[kStatusButtonCount]) {
  for (const char*& image : images) image = nullptr;
  images[0] = "Chinese";
  if (!context.fOpen) return;
  const DWORD m = context.fdwConversion;
  images[0] = (m & IME_CMODE_NATIVE) ? "Chinese" : "English";
  images[1] = globals.sxScheme ? "IMESX" : "IMEZX";
  images[2] = (m & kModeTraditional) ? "FanTi" : "JianTi";
  images[3] = "CoName";
  images[4] = (m & IME_CMODE_FULLSHAPE) ? "FullShape" : "HalfShape";
  images[5] = (m & IME_CMODE_SYMBOL) ? "Symbol" : "NoSymbol";
  images[6] = (m & IME_CMODE_SOFTKBD) ? "SoftKBD" : "NoSoftKBD";
  images[7] = "DzLx";
  images[8] = "bmsearch";
}

void PaintStatus(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  const char* images[kStatusButtonCount];
  bool chosen = false;
  {
    const ContextLock context(StatusContext(window));
    if (const PrivateRecordLock record(context.get()); record) {
      ChooseImages(*context.get(), images);
      chosen = true;
    }
  }
  if (!chosen) {
    EndPaint(window, &ps);
    MessageBeep(kBeep);
    return;
  }

  CopyStretchedImage(dc, "statusback", 2, 2, ui.status.window.width, ui.status.window.height);
  for (int i = 0; i < kStatusButtonCount; ++i) {
    if (!images[i]) continue;
    const UiRect& b = ui.status.buttons[i];
    DrawButtonImage(dc, images[i], b.left, b.top, ui.status.buttonSize, ui.status.buttonSize);
  }
  EndPaint(window, &ps);
}

void UpdateStatusTooltip(HWND window, int button) {
  if (button < 0) {
    ClearTooltip(&ui.statusTooltipId);
    return;
  }
  HIMC himc = StatusContext(window);
  DWORD m = 0;
  DWORD sentence = 0;
  if (himc) ImmGetConversionStatus(himc, &m, &sentence);
  std::string line;
  switch (button) {
    case 0: line = std::string("中/英文切换") + ((m & IME_CMODE_NATIVE) ? "(中文)" : "(英文)"); break;
    case 1: line = std::string("声/字型切换") + (globals.sxScheme ? "(声型)" : "(字型)"); break;
    case 2: line = std::string("简/繁输出") + ((m & kModeTraditional) ? "(繁体)" : "(简体)"); break;
    case 3: line = globals.sxScheme ? "查声型编码" : "查字型编码"; break;
    case 4: line = "全/半角切换"; break;
    case 5: line = "中/英文标点切换"; break;
    case 6: line = "软键盘"; break;
    case 7: line = "指法打字练习"; break;
    default: line = "左键上网，右键设置"; break;
  }
  RECT r = {};
  GetWindowRect(window, &r);
  const int id = button < 4 ? button : 4;
  ShowTooltip(&ui.statusTooltipId, id, true, window, line.c_str(), "", HintPlacement::kAboveOwner,
              r.left + ui.status.buttons[button].left);
}

// The bar stays on the monitor it was dropped on.
void EndDrag(HWND window) {
  const UiPoint dropped = EndWindowDrag(window);
  const UiPoint p = ClampIntoArea(dropped, ui.status.window,
                                  WorkAreaAround(RectAt(dropped, ui.status.window)));
  if (HWND owner = OwnerUi(window)) {
    SendMessageA(owner, WM_IME_CONTROL, IMC_SETSTATUSWINDOWPOS,
                 static_cast<LPARAM>(PackPoint16(p)));
  }
}

void StatusMouse(HWND window, UINT mouseMessage) {
  if (IsDragging(window)) {
    SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    return;
  }
  POINT p = {};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  TrackMouseLeave(window);
  if (!ui.status.buttonArea.Contains({p.x, p.y})) {
    SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    if (mouseMessage == WM_LBUTTONDOWN) BeginWindowDrag(window);
    return;
  }
  SetHandCursor();
  const int button = StatusButtonAt(ui.status, {p.x, p.y});
  UpdateStatusTooltip(window, button);
  if (mouseMessage == WM_LBUTTONDOWN) {
    StatusButtonClick(window, StatusContext(window), button);
    if (button != 7) UpdateStatusTooltip(window, button);
  } else if (mouseMessage == WM_RBUTTONUP) {
    ShowStatusMenu(window, button == kSoftKeyboardButton ? StatusMenu::kSoftKey
                                                          : StatusMenu::kContext);
  }
}

void MoveToContextPosition(HWND window) {
  ReadWorkArea();
  UiPoint stored;
  {
    const ContextLock context(StatusContext(window));
    if (!context) return;
    stored = {context->ptStatusWndPos.x, context->ptStatusWndPos.y};
  }
  const UiPoint p = ClampIntoArea(stored, ui.status.window,
                                  WorkAreaAround(RectAt(stored, ui.status.window)));
  SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

RECT StatusButtonAreaForRedraw() {
  RECT r = ToRect(ui.status.buttonArea);
  r.right += 1;
  r.bottom += 1;
  return r;
}

namespace {

LRESULT StatusMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintStatus(window);
      return 0;
    case WM_SETCURSOR:
      StatusMouse(window, HIWORD(lParam));
      return TRUE;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (!IsDragging(window)) break;
      MoveWindowDrag(window);
      return 0;
    case WM_LBUTTONUP:
      if (!IsDragging(window)) break;
      EndDrag(window);
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a dialog, a task switch): the drop never comes.
      if (IsDragging(window)) CancelWindowDrag(window);
      return 0;
    case WM_IME_NOTIFY:
      ReadWorkArea();
      if (wParam == IMN_SETSTATUSWINDOWPOS) MoveToContextPosition(window);
      return 0;
    case WM_MOUSELEAVE:
      ClearTooltip(&ui.statusTooltipId);
      return 0;
    case WM_DESTROY: {
      if (IsDragging(window)) CancelWindowDrag(window);
      HWND owner = OwnerUi(window);
      if (UiRecord* record = LockUiRecord(owner)) {
        record->statusWnd = nullptr;
        record->statusShow = 0;
        UnlockUiRecord(owner);
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

extern "C" LRESULT CALLBACK StatusWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(StatusMessage, window, message, wParam, lParam);
}
