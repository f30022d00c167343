#include "ime/ui/UiState.h"

#include "ime/engine/EngineCalls.h"
#include "ime/settings/Globals.h"
#include "ime/ui/DisplayScale.h"

UiValues ui = {};

namespace {

// The cell of "中", measured at the system DPI, at the windows' DPI.
UiSize ScaledCell() {
  const int system = SystemDpi();
  return {MulDiv(globals.charWidth, ui.dpi, system), MulDiv(globals.charHeight, ui.dpi, system)};
}

}  // namespace

void ResetCandidateLayout(bool vertical) {
  const UiSize cell = ScaledCell();
  ui.candidate = ComputeCandidateLayout(vertical, globals.borderWidth, globals.borderHeight,
                                        cell.width, cell.height, ui.dpi);
  ui.candidateSize = {ui.candidate.baseWidth, ui.candidate.baseHeight};
  ResetSearchMode();
}

void ApplyDisplayScale(int dpi) {
  ui.dpi = dpi;
  ui.status = ComputeStatusMetrics(globals.borderWidth, ScaledCell().height, dpi);
  ResetCandidateLayout(globals.verticalLayout != 0);
}

void ComputeWindowMetrics() {
  ApplyDisplayScale(SystemDpi());
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
