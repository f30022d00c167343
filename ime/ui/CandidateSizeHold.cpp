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
  if (ui.heldWindow == window) {
    if (smaller && !ui.holdOver && !forced) return Larger(natural, current);
    Release(window);
    return {};
  }
  if (!smaller || !showedPage || forced ||
      !SetTimer(window, kShrinkTimer, kShrinkDelayMs, ShrinkTimerProc)) {
    return {};
  }
  ui.heldWindow = window;
  ui.holdOver = false;
  return Larger(natural, current);
}

void ForgetHeldCandidateSize(HWND window) {
  Release(window);
  if (ui.pageWindow == window) ui.pageWindow = nullptr;
}
