#include "ime/ui/DialogFrame.h"

#include "ime/ui/MonitorArea.h"
#include "ime/ui/Placement.h"

void CentreInWorkArea(HWND dialog) {
  RECT r = {};
  GetWindowRect(dialog, &r);
  // The monitor of the window it was opened for, else its own.
  HWND owner = GetWindow(dialog, GW_OWNER);
  const UiPoint p = CentredIn({r.right - r.left, r.bottom - r.top},
                              WorkAreaOfWindow(owner ? owner : dialog));
  SetWindowPos(dialog, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void PaintEtchedFrame(HWND dialog, FrameInsets insets) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  RECT client = {};
  GetClientRect(dialog, &client);
  const int left = insets.left, top = insets.top;
  const int right = client.right - insets.right, bottom = client.bottom - insets.bottom;
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
