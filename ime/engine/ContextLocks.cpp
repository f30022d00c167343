#include "ime/engine/ContextLocks.h"

#include "ime/engine/CandidateList.h"

PrivateRecord* LockPrivateRecord(LPINPUTCONTEXT context) {
  if (!context || !context->hPrivate) return nullptr;
  if (ImmGetIMCCSize(context->hPrivate) < sizeof(PrivateRecord)) return nullptr;
  return static_cast<PrivateRecord*>(ImmLockIMCC(context->hPrivate));
}

void UnlockPrivateRecord(LPINPUTCONTEXT context) { ImmUnlockIMCC(context->hPrivate); }

bool EnsurePrivateRecord(LPINPUTCONTEXT context) {
  if (!context->hPrivate) {
    context->hPrivate = ImmCreateIMCC(sizeof(PrivateRecord));
  } else if (ImmGetIMCCSize(context->hPrivate) < sizeof(PrivateRecord)) {
    HIMCC grown = ImmReSizeIMCC(context->hPrivate, sizeof(PrivateRecord));
    if (!grown) return false;
    context->hPrivate = grown;
  }
  return context->hPrivate != nullptr;
}

void* LockCandidateBlock(LPINPUTCONTEXT context) {
  if (!context->hCandInfo || ImmGetIMCCSize(context->hCandInfo) < kCandidateInfoSize)
    return nullptr;
  return ImmLockIMCC(context->hCandInfo);
}
