#include "ime/engine/InputControl.h"

#include "ime/engine/CandidateSelection.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputOwner.h"
#include "ime/engine/Messages.h"

void CancelInput(HIMC himc, LPINPUTCONTEXT context) {
  ClaimInput(himc);
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) return;
  record->gcsFlags = 0;
  if (IsListUp(record)) {
    CloseCandidates(context, record);
    GenerateMessages(himc, context, record);
  } else if (record->msgFlags & kMsgCompositionStarted) {
    auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
    auto* guideline = LockBlock<GUIDELINE>(context->hGuideLine);
    if (composition && guideline) {
      CancelComposition(composition, guideline, record);
      GenerateMessages(himc, context, record);
    }
    UnlockBlock(context->hCompStr, composition);
    UnlockBlock(context->hGuideLine, guideline);
  }
  UnlockPrivateRecord(context);
}

void RaiseRequests(HIMC himc, LPINPUTCONTEXT context, DWORD bits) {
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) return;
  record->msgFlags |= bits;
  if (bits & kMsgCloseCandidate) {
    record->msgFlags &= ~(kMsgOpenCandidate | kMsgChangeCandidate);
  } else if (bits & (kMsgOpenCandidate | kMsgChangeCandidate)) {
    record->msgFlags &= ~kMsgCloseCandidate;
  }
  if (bits & kMsgEndComposition) {
    record->msgFlags &= ~kMsgStartComposition;
  } else if (bits & kMsgStartComposition) {
    record->msgFlags &= ~kMsgEndComposition;
  }
  GenerateMessages(himc, context, record);
  UnlockPrivateRecord(context);
}

void ReactToModeChange(HIMC himc, LPINPUTCONTEXT context, DWORD previousMode) {
  DWORD& mode = context->fdwConversion;
  engine.simplifiedOutput = (mode & kModeTraditional) ? 0 : 1;
  if ((mode | previousMode) & IME_CMODE_CHARCODE) {
    mode &= ~IME_CMODE_CHARCODE;
    MessageBeep(kBeep);
    return;
  }
  if ((mode | previousMode) & IME_CMODE_NOCONVERSION) {
    mode = (mode | IME_CMODE_NATIVE) & ~(IME_CMODE_CHARCODE | IME_CMODE_EUDC | IME_CMODE_SYMBOL);
  }
  if ((mode | previousMode) & IME_CMODE_EUDC) {
    mode = (mode | IME_CMODE_NATIVE) &
           ~(IME_CMODE_CHARCODE | IME_CMODE_NOCONVERSION | IME_CMODE_SYMBOL);
  }
  DWORD requests = 0;
  if ((mode | previousMode) & IME_CMODE_SOFTKBD) requests = kMsgPrivateNotice5;
  if ((mode | previousMode) == IME_CMODE_NATIVE) {
    mode &= ~(IME_CMODE_CHARCODE | IME_CMODE_NOCONVERSION | IME_CMODE_EUDC);
    requests = kMsgPrivateNotice5;
  }
  if (requests) RaiseRequests(himc, context, requests);
  if ((mode | previousMode) & ~static_cast<DWORD>(IME_CMODE_FULLSHAPE | IME_CMODE_SOFTKBD))
    CancelInput(himc, context);
}
