#include "ime/engine/EngineCalls.h"

#include "ime/engine/ContextCall.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputControl.h"

namespace {

constexpr DWORD kNotNativeMask = IME_CMODE_NATIVE | IME_CMODE_CHARCODE | IME_CMODE_EUDC;

// Runs work on the context's engine call, with the context locked.
// False when the context or its private record is missing.
template <typename Work>
bool OnContext(HIMC himc, Work work) {
  const ContextLock context(himc);
  if (!context) return false;
  ContextCall call(himc, context.get());
  if (!call) return false;
  work(*call, context.get());
  return true;
}

}  // namespace

void PageCandidates(HIMC himc, bool up) {
  OnContext(himc, [&](EngineCall& call, LPINPUTCONTEXT) { PageCandidates(call, up); });
}

void ChooseCandidate(HIMC himc, unsigned index) {
  NotifyIME(himc, NI_SELECTCANDIDATESTR, 0, index);
}

bool RestartInputAfterSettings(HIMC himc) {
  return OnContext(himc, [](EngineCall& call, LPINPUTCONTEXT context) {
    call.record.state = kStateIdle;
    CancelInput(call);
    context->fOpen = TRUE;
    if (!(context->fdwInit & INIT_CONVERSION)) {
      call.mode = IME_CMODE_NATIVE;
      context->fdwInit |= INIT_CONVERSION;
    }
    RaiseRequests(call, kMsgPrivateNotice6);  // the candidate window is destroyed
  });
}

void RestartInputForOrientation(HIMC himc) {
  OnContext(himc, [](EngineCall& call, LPINPUTCONTEXT context) {
    call.record.state = kStateIdle;
    CancelInput(call);
    PrivateRecord& record = call.record;
    record.msgFlags = record.compChar = record.gcsFlags = 0;
    record.doubleQuoteOpen = record.singleQuoteOpen = 0;
    context->fOpen = TRUE;
  });
}

void ApplyConversionMode(HIMC himc, DWORD mode) {
  DWORD conversion = 0;
  DWORD sentence = 0;
  ImmGetConversionStatus(himc, &conversion, &sentence);
  ImmSetConversionStatus(himc, mode, sentence);
}

void FollowCapsLock(HIMC himc, bool capsOn) {
  DWORD mode = 0;
  DWORD sentence = 0;
  if (!ImmGetConversionStatus(himc, &mode, &sentence)) return;
  if (capsOn) {
    engine.capsForcedEnglish = 1;
    mode &= ~kNotNativeMask;
  } else {
    if (engine.capsForcedEnglish) mode = (mode & ~kNotNativeMask) | IME_CMODE_NATIVE;
    engine.capsForcedEnglish = 0;
  }
  ImmSetConversionStatus(himc, mode, sentence);
}

void ReleaseCapsLockEnglish() { engine.capsForcedEnglish = 0; }

void UseScheme(HIMC himc, CodeScheme scheme) {
  engine.maxCodeLength = MaxCodeLength(scheme);
  OnContext(himc, [](EngineCall& call, LPINPUTCONTEXT) {
    call.facts().codeLengthLimit = call.engine.maxCodeLength;
  });
}

bool UseSoftKeyboardLayout(HIMC himc, unsigned index) {
  return OnContext(himc, [&](EngineCall& call, LPINPUTCONTEXT) {
    call.engine.softKeyboardIndex = index;
    call.record.state = index == 0 ? kStateIdle : kStateSymbolKeyboard;
  });
}

void ToggleSearchMode() {
  engine.searchMode = (engine.searchMode + 1) % 2;
  if (engine.searchMode == 0) engine.customSearch.clear();
}

void ResetSearchMode() { engine.searchMode = 0; }

void RestartAutoHide(DWORD now) { engine.autoHideTick = now; }
