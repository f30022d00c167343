#include "ime/engine/ContextLocks.h"

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
