#include "ime/engine/ContextBlocks.h"

#include <algorithm>
#include <cstring>

#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

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
  auto* cs = static_cast<LPCOMPOSITIONSTRING>(block);
  const DWORD m = engine.maxCodeLength;
  cs->dwSize = size;
  cs->dwCompReadAttrOffset = cs->dwCompAttrOffset = 100;
  cs->dwCompReadClauseOffset = cs->dwCompClauseOffset = m + 101;
  cs->dwCompReadStrOffset = cs->dwCompStrOffset = m + 109;
  cs->dwResultReadClauseOffset = 3 * m + 111;
  cs->dwResultReadStrOffset = 3 * m + 119;
  cs->dwResultClauseOffset = 5 * m + 121;
  cs->dwResultStrOffset = 5 * m + 129;
}

void FillCandidates(void* block, DWORD) { InitCandidateInfo(block); }

void FillGuideline(void* block, DWORD size) {
  auto* guideline = static_cast<LPGUIDELINE>(block);
  guideline->dwSize = size;
  guideline->dwStrOffset = kGuidelineHeaderSize;
  std::memcpy(static_cast<char*>(block) + kGuidelineHeaderSize, globals.errorTitle,
              size - kGuidelineHeaderSize);
}

}  // namespace

static_assert(sizeof(COMPOSITIONSTRING) <= 100);
static_assert(sizeof(GUIDELINE) == kGuidelineHeaderSize);

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

void ClearComposition(LPCOMPOSITIONSTRING cs) {
  cs->dwCompReadAttrLen = cs->dwCompReadClauseLen = cs->dwCompReadStrLen = 0;
  cs->dwCompAttrLen = cs->dwCompClauseLen = cs->dwCompStrLen = 0;
  cs->dwCursorPos = cs->dwDeltaStart = 0;
  cs->dwResultReadClauseLen = cs->dwResultReadStrLen = 0;
  cs->dwResultClauseLen = cs->dwResultStrLen = 0;
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
    else if (origin.x + engine.statusWindowWidth > area.right)
      x = area.right - engine.statusWindowWidth;
    context->ptStatusWndPos = {x, area.bottom - engine.statusWindowHeight};
    context->fdwInit |= INIT_STATUSWNDPOS;
  }
  if (!(context->fdwInit & INIT_COMPFORM)) {
    POINT position = {engine.defaultCompositionX, engine.defaultCompositionY};
    ScreenToClient(context->hWnd, &position);
    context->cfCompForm.dwStyle = CFS_DEFAULT;
    context->cfCompForm.ptCurrentPos = position;
    context->fdwInit |= INIT_COMPFORM;
  }
}
