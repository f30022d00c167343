#include "ime/ui/ContextPositions.h"

#include "ime/settings/Globals.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiState.h"

void InitContextPositions(LPINPUTCONTEXT context) {
  if (!IsWindow(context->hWnd)) return;
  const UiRect area = WorkAreaOfWindow(context->hWnd);
  if (!(context->fdwInit & INIT_STATUSWNDPOS)) {
    POINT origin = {0, 0};
    ClientToScreen(context->hWnd, &origin);
    LONG x = origin.x;
    if (origin.x < area.left)
      x = area.left;
    else if (origin.x + ui.status.window.width > area.right)
      x = area.right - ui.status.window.width;
    context->ptStatusWndPos = {x, area.bottom - ui.status.window.height};
    context->fdwInit |= INIT_STATUSWNDPOS;
  }
  if (!(context->fdwInit & INIT_COMPFORM)) {
    POINT position = {ui.defaultComposition.x, ui.defaultComposition.y};
    ScreenToClient(context->hWnd, &position);
    context->cfCompForm.dwStyle = CFS_DEFAULT;
    context->cfCompForm.ptCurrentPos = position;
    context->fdwInit |= INIT_COMPFORM;
  }
}
