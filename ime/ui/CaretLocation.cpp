#include "ime/ui/CaretLocation.h"

#include <cstdlib>

#include "ime/settings/Globals.h"

namespace {

UiPoint ScreenPoint(HWND window, POINT p) {
  if (window) ClientToScreen(window, &p);
  return {p.x, p.y};
}

std::optional<CaretLocation> FromCandidateForm(const INPUTCONTEXT& context) {
  const CANDIDATEFORM& form = context.cfCandForm[0];
  if (form.dwIndex != 0) return std::nullopt;
  const UiPoint p = ScreenPoint(context.hWnd, form.ptCurrentPos);
  if (form.dwStyle & CFS_CANDIDATEPOS) return CaretLocation{true, {p.x, p.y, p.x, p.y}};
  if (!(form.dwStyle & CFS_EXCLUDE)) return std::nullopt;
  const UiPoint top = ScreenPoint(context.hWnd, {form.rcArea.left, form.rcArea.top});
  const UiPoint bottom = ScreenPoint(context.hWnd, {form.rcArea.right, form.rcArea.bottom});
  if (bottom.y <= top.y) return CaretLocation{false, {p.x, p.y, p.x + 1, p.y}};
  return CaretLocation{false, {p.x, top.y, p.x + 1, bottom.y}};
}

// The application's own answer for the composition's first character (screen coordinates).
std::optional<CaretLocation> FromCharacterPosition(HIMC himc, int defaultHeight) {
  IMECHARPOSITION position = {};
  position.dwSize = sizeof position;
  position.dwCharPos = 0;
  if (!ImmRequestMessageA(himc, IMR_QUERYCHARPOSITION, reinterpret_cast<LPARAM>(&position))) {
    return std::nullopt;
  }
  const int height = position.cLineHeight > 0 ? static_cast<int>(position.cLineHeight) : defaultHeight;
  const int x = position.pt.x, y = position.pt.y;
  return CaretLocation{false, {x, y, x + 1, y + height}};
}

// The system caret of the thread that owns the context's window. A thread without one gives
// nothing: its (0,0) is no place.
std::optional<CaretLocation> FromThreadCaret(HWND contextWindow) {
  const DWORD thread = contextWindow ? GetWindowThreadProcessId(contextWindow, nullptr)
                                     : GetCurrentThreadId();
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!thread || !GetGUIThreadInfo(thread, &info) || !info.hwndCaret) return std::nullopt;
  RECT r = info.rcCaret;
  if (r.bottom <= r.top) return std::nullopt;
  MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return CaretLocation{false, {r.left, r.top, r.left + 1, r.bottom}};
}

}  // namespace

std::optional<CaretLocation> FindCaret(HIMC himc, const INPUTCONTEXT& context) {
  if (auto form = FromCandidateForm(context)) return form;
  const LONG fontHeight = context.lfFont.A.lfHeight;
  const int lineHeight = fontHeight ? std::abs(static_cast<int>(fontHeight)) : globals.charHeight;
  if (auto character = FromCharacterPosition(himc, lineHeight)) return character;
  return FromThreadCaret(context.hWnd);
}
