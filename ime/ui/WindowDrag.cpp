#include "ime/ui/WindowDrag.h"

#include "ime/settings/Globals.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/Placement.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

namespace {

// Inverts the outline of window at the cursor minus the grab offset, kept in the work
// area; drawing the same frame again erases it.
void DrawDragFrame(HWND window, POINT cursor, POINT offset) {
  RECT r = {};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const UiPoint p = DragFramePosition({cursor.x, cursor.y}, {offset.x, offset.y}, {width, height},
                                      WorkAreaAt({cursor.x, cursor.y}));
  const int bx = GetSystemMetrics(SM_CXBORDER);
  const int by = GetSystemMetrics(SM_CYBORDER);
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (!dc) return;
  HGDIOBJ previous = SelectObject(dc, GetStockObject(GRAY_BRUSH));
  PatBlt(dc, p.x, p.y, width - bx, by, PATINVERT);
  PatBlt(dc, p.x, p.y + by, bx, height - by, PATINVERT);
  PatBlt(dc, p.x + bx, p.y + height, width - bx, -by, PATINVERT);
  PatBlt(dc, p.x + width, p.y, -bx, height - by, PATINVERT);
  SelectObject(dc, previous);
  DeleteDC(dc);
}

void DrawCurrentFrame(HWND window) {
  DrawDragFrame(window, UnpackPoint(GetSlot(window, 1)), UnpackPoint(GetSlot(window, 0)));
}

}  // namespace

bool IsDragging(HWND window) { return GetSlot(window, 0) != kNoDrag; }

void BeginWindowDrag(HWND window) {
  ReadWorkArea();
  POINT cursor = {};
  GetCursorPos(&cursor);
  RECT r = {};
  GetWindowRect(window, &r);
  SetCapture(window);
  SetSlot(window, 1, PackPoint(cursor));
  SetSlot(window, 0, PackPoint({cursor.x - r.left, cursor.y - r.top}));
  DrawCurrentFrame(window);
}

void MoveWindowDrag(HWND window) {
  DrawCurrentFrame(window);
  POINT cursor = {};
  GetCursorPos(&cursor);
  SetSlot(window, 1, PackPoint(cursor));
  DrawCurrentFrame(window);
}

UiPoint EndWindowDrag(HWND window) {
  const POINT cursor = UnpackPoint(GetSlot(window, 1));
  const POINT offset = UnpackPoint(GetSlot(window, 0));
  CancelWindowDrag(window);
  ReleaseCapture();
  return {cursor.x - offset.x, cursor.y - offset.y};
}

void CancelWindowDrag(HWND window) {
  DrawCurrentFrame(window);
  SetSlot(window, 0, kNoDrag);
}
