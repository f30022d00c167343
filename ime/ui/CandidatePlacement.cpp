#include <windows.h>

#include <imm.h>

#include <optional>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/settings/Globals.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/CaretLocation.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

namespace {

UiPoint ToScreen(HWND window, POINT p) {
  if (window) ClientToScreen(window, &p);
  return {p.x, p.y};
}

POINT ToClient(HWND window, UiPoint p) {
  POINT q = {p.x, p.y};
  if (window) ScreenToClient(window, &q);
  return q;
}

// The status bar's screen rectangle: the window's when there is one, else the context's
// stored position with the bar's size.
UiRect StatusRect(HWND uiWindow, const INPUTCONTEXT& context) {
  RECT r = {};
  HWND status = nullptr;
  if (UiRecord* record = LockUiRecord(uiWindow)) {
    status = record->statusWnd;
    UnlockUiRecord(uiWindow);
  }
  if (status && GetWindowRect(status, &r)) return ToUiRect(r);
  return RectAt({context.ptStatusWndPos.x, context.ptStatusWndPos.y}, ui.status.window);
}

UiPoint CaretRelative(const INPUTCONTEXT& context, UiPoint caret, UiPoint current, bool* move) {
  CaretPlacementInput in = {};
  in.caret = caret;
  in.fontWidth = context.lfFont.A.lfWidth;
  in.fontHeight = context.lfFont.A.lfHeight;
  in.escapement = context.lfFont.A.lfEscapement;
  in.orientation = context.lfFont.A.lfOrientation;
  in.charWidth = globals.charWidth;
  in.charHeight = globals.charHeight;
  in.baseSize = {ui.candidate.baseWidth, ui.candidate.baseHeight};
  in.current = current;
  in.currentSize = ui.candidateSize;
  in.parallelDistance = static_cast<int>(globals.parallelDistance);
  in.perpendicularDistance = static_cast<int>(globals.perpendicularDistance);
  in.perpendicularTolerance = static_cast<int>(globals.perpendicularTolerance);
  in.cx = globals.borderWidth;
  in.cy = globals.borderHeight;
  in.workArea = WorkAreaAt(caret);
  const PlacementResult r = CaretRelativePlacement(in);
  *move = r.move;
  return r.position;
}

// Beside what the application shows of the composition; no final shift, which could lay
// the window over the line.
UiPoint BesideCaret(const CaretLocation& caret, UiPoint current, bool* move) {
  const UiRect work = WorkAreaAround(caret.line);
  if (caret.exactPoint) {
    const UiPoint p = ClampIntoArea({caret.line.left, caret.line.top}, ui.candidateSize, work);
    *move = p.x != current.x || p.y != current.y;
    return p;
  }
  const PlacementResult r = BesideCaretLine(caret.line, ui.candidateSize, current,
                                            2 * globals.borderHeight, 4 * globals.charWidth, work);
  *move = r.move;
  return r.position;
}

}  // namespace

std::optional<UiPoint> CandidatePlacement(HWND window) {
  HWND uiWindow = OwnerUi(window);
  HIMC himc = ContextOfUi(uiWindow);
  const ContextLock context(himc);
  if (!context) return std::nullopt;
  const int cx = globals.borderWidth;
  const int cy = globals.borderHeight;
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  const UiPoint current = {origin.x - 2 * cx, origin.y - 2 * cy};
  UiPoint target = current;
  bool move = false;
  const DWORD style = context->cfCompForm.dwStyle;

  if (globals.followCaret && (style & CFS_FORCE_POSITION)) {
    const UiPoint forced = ToScreen(context->hWnd, context->cfCompForm.ptCurrentPos);
    target = {forced.x - 2 * cx, forced.y - 2 * cy};
    move = target.x != current.x || target.y != current.y;
  } else if (globals.followCaret && style != CFS_DEFAULT) {
    const UiPoint caret = ToScreen(context->hWnd, context->cfCompForm.ptCurrentPos);
    target = CaretRelative(*context.get(), caret, current, &move);
  } else if (std::optional<CaretLocation> caret =
                 globals.followCaret ? FindCaret(himc, *context.get()) : std::nullopt) {
    RECT frame = {};
    GetWindowRect(window, &frame);
    target = BesideCaret(*caret, {frame.left, frame.top}, &move);
    if (!move) return std::nullopt;
    return target;
  } else {
    const UiRect status = StatusRect(uiWindow, *context.get());
    target = StatusRelativePosition(status, ui.candidate.baseWidth, WorkAreaAround(status).right,
                                    globals.followCaret != 0);
    move = target.x != current.x || target.y != current.y;
    if (move) context->cfCompForm.ptCurrentPos = ToClient(context->hWnd, target);
  }
  if (!move) return std::nullopt;
  return FinalCandidatePosition(target, ui.candidateSize,
                                WorkAreaAround(RectAt(target, ui.candidateSize)));
}

void PlaceCandidateWindow(HWND window) {
  const std::optional<UiPoint> p = CandidatePlacement(window);
  // The final position is shifted from the target, so the same target is met again at the
  // next key: the window is moved only when it is not there yet.
  RECT r = {};
  if (!p || (GetWindowRect(window, &r) && r.left == p->x && r.top == p->y)) return;
  SetWindowPos(window, nullptr, p->x, p->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
