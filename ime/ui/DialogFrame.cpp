#include "ime/ui/DialogFrame.h"

#include "ime/settings/Globals.h"

void CentreInWorkArea(HWND dialog) {
  ReadWorkArea();
  RECT r = {};
  GetWindowRect(dialog, &r);
  const int x = (globals.workArea.right - (r.right - r.left)) / 2;
  const int y = (globals.workArea.bottom - (r.bottom - r.top)) / 2;
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
