#include "ime/engine/ContextBlocks.h"

#include <algorithm>
#include <cstring>

#include "ime/engine/BlockLayouts.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineInstance.h"
#include "ime/settings/Globals.h"
#include "ime/ui/UiState.h"

namespace {

using FillBlock = void (*)(void* block, DWORD size);

// A block that cannot be resized or locked is replaced by a new one, reported with FALSE;
// the new one is laid out too, since callers go on to use it.
BOOL MakeBlock(HIMCC& handle, DWORD size, FillBlock fill) {
  BOOL kept = TRUE;
  if (!handle) {
    handle = ImmCreateIMCC(size);
  } else if (HIMCC resized = ImmReSizeIMCC(handle, size)) {
    handle = resized;
  } else {
    ImmDestroyIMCC(handle);
    handle = ImmCreateIMCC(size);
    kept = FALSE;
  }
  void* block = handle ? ImmLockIMCC(handle) : nullptr;
  if (!block) {
    if (handle) ImmDestroyIMCC(handle);
    handle = ImmCreateIMCC(size);
    block = handle ? ImmLockIMCC(handle) : nullptr;
    kept = FALSE;
  }
  if (!block) return FALSE;
  std::memset(block, 0, size);
  fill(block, size);
  ImmUnlockIMCC(handle);
  return kept;
}

void FillComposition(void* block, DWORD size) {
  LayOutComposition(static_cast<LPCOMPOSITIONSTRING>(block), size, engine.maxCodeLength);
}

void FillCandidates(void* block, DWORD) { InitCandidateInfo(block); }

void FillGuideline(void* block, DWORD size) {
  LayOutGuideline(static_cast<LPGUIDELINE>(block),
                  std::string_view(globals.errorTitle, size - kGuidelineHeaderSize));
}

}  // namespace

BOOL ResetCompositionBlock(LPINPUTCONTEXT context) {
  return MakeBlock(context->hCompStr, CompositionBlockSize(engine.maxCodeLength), FillComposition);
}

BOOL ResetCandidateBlock(LPINPUTCONTEXT context) {
  return MakeBlock(context->hCandInfo, kCandidateInfoSize, FillCandidates);
}

BOOL ResetGuidelineBlock(LPINPUTCONTEXT context) {
  const DWORD titleLength = std::min<DWORD>(static_cast<DWORD>(globals.errorTitleLength),
                                            sizeof globals.errorTitle - 1);
  return MakeBlock(context->hGuideLine, kGuidelineHeaderSize + titleLength, FillGuideline);
}

void InitContextPositions(LPINPUTCONTEXT context) {
  if (!IsWindow(context->hWnd)) return;
  const RECT& area = globals.workArea;
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
