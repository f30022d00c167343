#include "ime/ui/CandidateTimers.h"

#include <cstdlib>
#include <ctime>

#include "ime/engine/EngineInstance.h"
#include "ime/settings/ListFiles.h"
#include "ime/ui/TimerRules.h"
#include "ime/ui/UiState.h"

void CALLBACK RotationTimerProc(HWND window, UINT, UINT_PTR, DWORD) {
  if (!queryList.playing || !queryList.rotationActive) return;
  const DWORD now = GetTickCount();
  const std::int64_t interval = static_cast<std::int64_t>(queryList.intervalSeconds) * 1000;
  if (!ElapsedMoreThan(now, queryList.lastRotation, interval)) return;
  queryList.lastRotation = now;
  std::srand(static_cast<unsigned>(std::time(nullptr)) ^ now);
  const size_t count = queryList.entries.size();
  queryList.currentIndex = count ? static_cast<size_t>(std::rand()) % count : 0;
  const RECT text = ToRect(ui.candidate.queryText);
  InvalidateRect(window, &text, TRUE);
}

void CALLBACK AutoHideTimerProc(HWND window, UINT, UINT_PTR, DWORD) {
  if (!engine.autoHideArmed || ui.searchTextHovered) return;
  if (ElapsedMoreThan(GetTickCount(), engine.autoHideTick, kAutoHideDelayMs)) {
    ShowWindow(window, SW_HIDE);
  }
}

void StartCandidateTimers(HWND window) {
  SetTimer(window, kRotationTimer, kRotationPeriodMs, RotationTimerProc);
  SetTimer(window, kAutoHideTimer, kAutoHidePeriodMs, AutoHideTimerProc);
}
