#include "ime/ui/UiState.h"

#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

UiValues ui = {};

void ResetCandidateLayout(bool vertical) {
  ui.candidate = ComputeCandidateLayout(vertical, globals.borderWidth, globals.borderHeight,
                                        globals.charWidth, globals.charHeight);
  ui.candidateSize = {ui.candidate.baseWidth, ui.candidate.baseHeight};
  engine.searchMode = 0;
}

void ComputeWindowMetrics() {
  ui.status = ComputeStatusMetrics(globals.borderWidth, globals.charHeight);
  ResetCandidateLayout(globals.verticalLayout != 0);
  ui.candidateTooltipId = -1;
  ui.statusTooltipId = -1;
  ui.contextHovered = -1;
  ui.lastLayout = globals.verticalLayout;
  ui.firstStatus = true;

  engine.statusWindowWidth = ui.status.window.width;
  engine.statusWindowHeight = ui.status.window.height;
  // New contexts start with the candidate window beside a status bar at the bottom left.
  const RECT& work = globals.workArea;
  const UiRect status = {work.left, work.bottom - ui.status.window.height,
                         work.left + ui.status.window.width, work.bottom};
  const UiPoint p = StatusRelativePosition(status, ui.candidate.baseWidth, work.right, true);
  engine.defaultCompositionX = p.x;
  engine.defaultCompositionY = p.y;
}
