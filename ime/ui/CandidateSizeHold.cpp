#include "ime/ui/CandidateSizeHold.h"

#include "ime/ui/UiState.h"

namespace {

UiSize Larger(UiSize a, UiSize b) {
  return {a.width > b.width ? a.width : b.width, a.height > b.height ? a.height : b.height};
}

void Release(HWND window) {
  if (ui.heldWindow != window) return;
  KillTimer(window, kShrinkTimer);
  ui.heldWindow = nullptr;
  ui.holdOver = false;
}

void CALLBACK ShrinkTimerProc(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  if (ui.heldWindow != window) return;
  ui.holdOver = true;
  InvalidateRect(window, nullptr, FALSE);
}

// Starts the wait again, for the window held from now on.
bool Hold(HWND window) {
  if (!SetTimer(window, kShrinkTimer, kShrinkDelayMs, ShrinkTimerProc)) return false;
  ui.heldWindow = window;
  ui.holdOver = false;
  return true;
}

}  // namespace

UiSize HeldCandidateSize(HWND window, UiSize natural, UiSize current, bool hasCandidates,
                         bool forced) {
  const bool showedPage = ui.pageWindow == window;
  if (hasCandidates) {
    ui.pageWindow = window;
  } else if (showedPage) {
    ui.pageWindow = nullptr;
  }
  const bool smaller = natural.width < current.width || natural.height < current.height;
  const bool holding = ui.heldWindow == window ? !ui.holdOver : showedPage;
  if (smaller && holding && !forced && Hold(window)) return Larger(natural, current);
  Release(window);
  return {};
}

void ForgetHeldCandidateSize(HWND window) {
  Release(window);
  if (ui.pageWindow == window) ui.pageWindow = nullptr;
}
