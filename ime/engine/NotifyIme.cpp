// NotifyIME: the application's and the windows' changes to a context.
#include "ime/common/Guarded.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/CandidateSelection.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputControl.h"
#include "ime/engine/InputOwner.h"
#include "ime/engine/Messages.h"

namespace {

bool IsKnownContextUpdate(DWORD value) {
  switch (value) {
    case IMC_SETCONVERSIONMODE:
    case IMC_SETOPENSTATUS:
    case IMC_SETCANDIDATEPOS:
    case IMC_SETCOMPOSITIONFONT:
    case IMC_SETCOMPOSITIONWINDOW:
      return true;
    default:
      return false;
  }
}

// Whether NotifyIME handles (action, index, value) at all; everything else is refused
// without locking the context.
bool IsAccepted(DWORD action, DWORD index, DWORD value) {
  switch (action) {
    case NI_CONTEXTUPDATED:
      return IsKnownContextUpdate(value);
    case NI_SELECTCANDIDATESTR:
    case NI_CHANGECANDIDATELIST:
    case NI_SETCANDIDATE_PAGESTART:
    case NI_SETCANDIDATE_PAGESIZE:
      return true;
    case NI_COMPOSITIONSTR:
      return index == CPS_COMPLETE || index == CPS_CANCEL;
    default:
      return false;
  }
}

BOOL ContextUpdated(HIMC himc, LPINPUTCONTEXT context, DWORD index, DWORD value) {
  if (value == IMC_SETCONVERSIONMODE) {
    ReactToModeChange(himc, context, index);
  } else if (value == IMC_SETOPENSTATUS) {
    if (context->fdwConversion & IME_CMODE_SOFTKBD) RaiseRequests(himc, context, kMsgPrivateNotice5);
    CancelInput(himc, context);
  }
  return kImeTrue;
}

BOOL SelectCandidate(HIMC himc, LPINPUTCONTEXT context, DWORD listNumber, DWORD candidate) {
  if (!context->fOpen || (context->fdwConversion & (IME_CMODE_NOCONVERSION | IME_CMODE_EUDC)))
    return FALSE;
  void* block = LockBlock<void>(context->hCandInfo);
  if (!block) return FALSE;
  CandidateList* list = CandidateListOf(block);
  const bool listed = listNumber < static_cast<CandidateInfoHead*>(block)->dwCount &&
                      !(listNumber == 0 && (context->fdwConversion & IME_CMODE_CHARCODE)) &&
                      candidate < list->dwCount;
  if (listed) {
    list->dwSelection = candidate;
    auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
    PrivateRecord* record = LockPrivateRecord(context);
    if (record) {
      CommitCandidate(context, composition, record, list);
      GenerateMessages(himc, context, record);
      UnlockPrivateRecord(context);
    }
    UnlockBlock(context->hCompStr, composition);
  }
  UnlockBlock(context->hCandInfo, block);
  return kImeTrue;
}

void CommitInChoosingState(LPINPUTCONTEXT context, PrivateRecord* record) {
  auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
  void* block = LockBlock<void>(context->hCandInfo);
  if (composition && block) CommitCandidate(context, composition, record, CandidateListOf(block));
  UnlockBlock(context->hCompStr, composition);
  UnlockBlock(context->hCandInfo, block);
}

// The code typed so far is looked up once more and, where a candidate is taken, committed.
void CompleteComposing(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record) {
  auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
  auto* guideline = LockBlock<GUIDELINE>(context->hGuideLine);
  if (composition && guideline) {
    ComposeKey(' ', context, composition, guideline, record);
    if (record->state == kStateComposing) {
      CancelInput(himc, context);
    } else if (record->state == kStateChoosing) {
      CommitInChoosingState(context, record);
    }
  }
  UnlockBlock(context->hCompStr, composition);
  UnlockBlock(context->hGuideLine, guideline);
  if (record->msgFlags & kMsgCandidateOpen) {
    record->msgFlags = (record->msgFlags | kMsgCloseCandidate) &
                       ~(kMsgOpenCandidate | kMsgChangeCandidate);
  } else {
    record->msgFlags &= ~(kMsgOpenCandidate | kMsgCloseCandidate);
  }
  GenerateMessages(himc, context, record);
}

void CompleteInput(HIMC himc, LPINPUTCONTEXT context) {
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) return;
  const DWORD chineseBits =
      context->fdwConversion & (IME_CMODE_NATIVE | IME_CMODE_EUDC | IME_CMODE_SYMBOL);
  if (record->state == kStateChoosing) {
    CommitInChoosingState(context, record);
    GenerateMessages(himc, context, record);
  } else if (record->state == kStateComposing && chineseBits == IME_CMODE_NATIVE) {
    CompleteComposing(himc, context, record);
  } else {
    CancelInput(himc, context);
  }
  UnlockPrivateRecord(context);
}

// Page start and size are refused outside plain conversion or without a candidate block.
void* LockCandidatesForPaging(LPINPUTCONTEXT context, DWORD index) {
  if (index != 0 || !context->fOpen) return nullptr;
  if (context->fdwConversion & (IME_CMODE_NOCONVERSION | IME_CMODE_EUDC | IME_CMODE_SYMBOL))
    return nullptr;
  return LockBlock<void>(context->hCandInfo);
}

BOOL SetPageStart(LPINPUTCONTEXT context, DWORD index, DWORD value) {
  void* block = LockCandidatesForPaging(context, index);
  if (!block) return FALSE;
  CandidateList* list = CandidateListOf(block);
  if (value < list->dwCount) list->dwPageStart = list->dwSelection = value;
  UnlockBlock(context->hCandInfo, block);
  return kImeTrue;
}

BOOL SetPageSize(LPINPUTCONTEXT context, DWORD index, DWORD value) {
  void* block = LockCandidatesForPaging(context, index);
  if (!block) return FALSE;
  CandidateList* list = CandidateListOf(block);
  if (list->dwCount != 0) list->dwPageSize = value;
  UnlockBlock(context->hCandInfo, block);
  return kImeTrue;
}

BOOL Dispatch(HIMC himc, LPINPUTCONTEXT context, DWORD action, DWORD index, DWORD value) {
  switch (action) {
    case NI_CONTEXTUPDATED:
      return ContextUpdated(himc, context, index, value);
    case NI_SELECTCANDIDATESTR:
      return SelectCandidate(himc, context, index, value);
    case NI_CHANGECANDIDATELIST:
      RaiseRequests(himc, context, kMsgChangeCandidate);
      return kImeTrue;
    case NI_COMPOSITIONSTR:
      if (index == CPS_COMPLETE) {
        CompleteInput(himc, context);
      } else {
        CancelInput(himc, context);
      }
      return kImeTrue;
    case NI_SETCANDIDATE_PAGESTART:
      return SetPageStart(context, index, value);
    case NI_SETCANDIDATE_PAGESIZE:
      return SetPageSize(context, index, value);
    default:
      return FALSE;
  }
}

BOOL Notify(HIMC himc, DWORD action, DWORD index, DWORD value) {
  if (!himc || !IsAccepted(action, index, value)) return FALSE;
  ClaimInput(himc);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  if (!context) return FALSE;
  const BOOL result = Dispatch(himc, context, action, index, value);
  ImmUnlockIMC(himc);
  return result;
}

}  // namespace

extern "C" BOOL WINAPI NotifyIME(HIMC himc, DWORD action, DWORD index, DWORD value) {
  return Guarded<BOOL>(FALSE, [&] { return Notify(himc, action, index, value); });
}
