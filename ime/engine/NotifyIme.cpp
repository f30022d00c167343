// NotifyIME: the application's and the windows' changes to a context, passed to the core.
#include "ime/common/Guarded.h"
#include "ime/engine/ContextCall.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputControl.h"

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

// An accepted action on a context whose private record is there; false when refused.
bool Dispatch(EngineCall& call, DWORD action, DWORD index, DWORD value) {
  switch (action) {
    case NI_CONTEXTUPDATED:
      if (value == IMC_SETCONVERSIONMODE) {
        ReactToModeChange(call, index);
      } else if (value == IMC_SETOPENSTATUS) {
        ReactToOpenStatus(call);
      }
      return true;
    case NI_SELECTCANDIDATESTR:
      return SelectCandidate(call, index, value);
    case NI_CHANGECANDIDATELIST:
      RaiseRequests(call, kMsgChangeCandidate);
      return true;
    case NI_COMPOSITIONSTR:
      if (index == CPS_COMPLETE) {
        CompleteInput(call);
      } else {
        CancelInput(call);
      }
      return true;
    case NI_SETCANDIDATE_PAGESTART:
      return SetPageStart(call, index, value);
    case NI_SETCANDIDATE_PAGESIZE:
      return SetPageSize(call, index, value);
    default:
      return false;
  }
}

BOOL Notify(HIMC himc, DWORD action, DWORD index, DWORD value) {
  if (!himc || !IsAccepted(action, index, value)) return FALSE;
  const ContextLock context(himc);
  if (!context) return FALSE;
  // A context without the engine's private record was never selected: it is left as it is.
  ContextCall call(himc, context.get());
  return call && Dispatch(*call, action, index, value) ? kImeTrue : FALSE;
}

}  // namespace

extern "C" BOOL WINAPI NotifyIME(HIMC himc, DWORD action, DWORD index, DWORD value) {
  return Guarded<BOOL>(FALSE, [&] { return Notify(himc, action, index, value); });
}
