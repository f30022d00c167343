#include "ime/ui/UiState.h"

#include "ime/engine/EngineCalls.h"
#include "ime/settings/Globals.h"

UiValues ui = {};

void ResetCandidateLayout(bool vertical) {
  ui.candidate = ComputeCandidateLayout(vertical, globals.borderWidth, globals.borderHeight,
                                        globals.charWidth, globals.charHeight);
  ui.candidateSize = {ui.candidate.baseWidth, ui.candidate.baseHeight};
  ResetSearchMode();
}

void ComputeWindowMetrics() {
  ui.status = ComputeStatusMetrics(globals.borderWidth, globals.charHeight);
  ResetCandidateLayout(globals.verticalLayout != 0);
  ui.candidateTooltipId = -1;
  ui.statusTooltipId = -1;
  ui.contextHovered = -1;
  ui.lastLayout = globals.verticalLayout;
  ui.firstStatus = true;

  // New contexts start with the candidate window beside a status bar at the bottom left.
  const RECT& work = globals.workArea;
  const UiRect status = {work.left, work.bottom - ui.status.window.height,
                         work.left + ui.status.window.width, work.bottom};
  ui.defaultComposition = StatusRelativePosition(status, ui.candidate.baseWidth, work.right, true);
}
