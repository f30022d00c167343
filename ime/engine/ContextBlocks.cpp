#include "ime/engine/ContextBlocks.h"

#include <algorithm>
#include <cstring>

#include "ime/engine/BlockLayouts.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineInstance.h"
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
  if (!BlockLock<void>(handle)) {
    if (handle) ImmDestroyIMCC(handle);
    handle = ImmCreateIMCC(size);
    kept = FALSE;
  }
  const BlockLock<void> block(handle);
  if (!block) return FALSE;
  std::memset(block.get(), 0, size);
  fill(block.get(), size);
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
