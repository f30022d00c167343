// ImeProcessKey and ImeToAsciiEx: whether the input method takes a key, and what it does
// with a taken one.
#include "ime/common/Guarded.h"
#include "ime/engine/CandidateSelection.h"
#include "ime/engine/CharacterOutput.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ContextBlocks.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputOwner.h"
#include "ime/engine/KeyClassify.h"
#include "ime/engine/Messages.h"

namespace {

constexpr DWORD kEnglishMask = IME_CMODE_NATIVE | IME_CMODE_CHARCODE | IME_CMODE_EUDC;

unsigned TypedCharacter(UINT vk, LPARAM keyData, const BYTE* keyState) {
  BYTE noKeys[256] = {};
  WORD chars[2] = {};
  const int count = ToAscii(vk, HIWORD(keyData), keyState ? keyState : noKeys, chars, 0);
  return count > 0 ? chars[0] & 0xFF : 0;
}

// Backspace after the code was deleted to nothing: the composition ends at once and the
// key goes on to the application.
void EndEmptyComposition(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record) {
  RaiseEndComposition(record);
  record->msgFlags &= ~kMsgInTranslation;
  if (record->msgFlags & kMsgCandidateOpen) {
    ResetCandidateBlock(context);
    RaiseCloseCandidate(record);
  }
  GenerateMessages(himc, context, record);
}

// Caps Lock on switches the context to English, off back to Chinese.
void FollowCapsLock(HIMC himc, LPINPUTCONTEXT context, const BYTE* keyState) {
  DWORD mode = context->fdwConversion;
  if (keyState && (keyState[VK_CAPITAL] & 0x01)) {
    mode &= ~kEnglishMask;
    engine.capsForcedEnglish = 1;
  } else {
    mode = (mode | IME_CMODE_NATIVE) & ~(IME_CMODE_CHARCODE | IME_CMODE_EUDC);
    engine.capsForcedEnglish = 0;
  }
  ImmSetConversionStatus(himc, mode, context->fdwSentence);
}

void ForgetReportedResult(LPINPUTCONTEXT context, PrivateRecord* record) {
  if (!(record->gcsFlags & kGcsResultBits)) return;
  auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
  if (composition) composition->dwResultStrLen = 0;
  UnlockBlock(context->hCompStr, composition);
  record->gcsFlags = 0;
}

BOOL TakesKey(HIMC himc, UINT vk, LPARAM keyData, const BYTE* keyState) {
  ClaimInput(himc);
  LPINPUTCONTEXT context = himc ? ImmLockIMC(himc) : nullptr;
  if (!context) return FALSE;
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) {
    ImmUnlockIMC(himc);
    return FALSE;
  }
  const unsigned ch = TypedCharacter(vk, keyData, keyState);
  const KeyClass keyClass = ClassifyKey(ch, vk, HIWORD(keyData), record, context);
  BOOL taken = kImeTrue;
  if (keyClass == kKeyPass) {
    taken = FALSE;
  } else if (keyClass == kKeyCompose && vk == VK_BACK && record->state == kStateIdle) {
    EndEmptyComposition(himc, context, record);
    taken = FALSE;
  } else if (vk == VK_CAPITAL) {
    FollowCapsLock(himc, context, keyState);
    taken = FALSE;
  } else if (keyClass == kKeyCharacter && vk == VK_SPACE &&
             !(context->fdwConversion & IME_CMODE_FULLSHAPE)) {
    taken = FALSE;
  }
  UnlockPrivateRecord(context);
  ImmUnlockIMC(himc);
  return taken;
}

UINT TranslateKey(UINT virtualKeyWord, UINT scanWord, const BYTE* keyState, LPTRANSMSGLIST list,
                  HIMC himc) {
  const unsigned ch = KeyCharacter(virtualKeyWord);
  const unsigned vk = virtualKeyWord & 0xFF;
  ClaimInput(himc);
  LPINPUTCONTEXT context = himc ? ImmLockIMC(himc) : nullptr;
  if (!context) return PlainCharacter(ch, scanWord, nullptr, list);
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) {
    const UINT count = PlainCharacter(ch, scanWord, context, list);
    ImmUnlockIMC(himc);
    return count;
  }

  ForgetReportedResult(context, record);
  record->msgFlags = (record->msgFlags & kMsgStandingBits) | kMsgInTranslation;

  UINT count = 0;
  switch (ClassifyKey(ch, vk, scanWord, record, context)) {
    case kKeySoftKeyboard:
      count = SoftKeyboardStep(vk, keyState, context, list);
      break;
    case kKeyCharacter:
      count = CharacterStep(ch, scanWord, himc, context, record, list);
      break;
    case kKeyCandidate:
      count = CandidateStep(ch, vk, context, record, list);
      break;
    case kKeyCompose:
      count = ComposeStep(ch, himc, context, record, list);
      break;
    case kKeyInvalid:
      MessageBeep(kBeep);
      break;
    default:
      count = PlainCharacter(ch, scanWord, context, list);
      break;
  }

  record->msgFlags &= kMsgStandingBits;
  record->gcsFlags &= kGcsResultBits;
  UnlockPrivateRecord(context);
  ImmUnlockIMC(himc);
  return count;
}

}  // namespace

extern "C" BOOL WINAPI ImeProcessKey(HIMC himc, UINT vk, LPARAM keyData, CONST LPBYTE keyState) {
  return Guarded<BOOL>(FALSE, [&] { return TakesKey(himc, vk, keyData, keyState); });
}

extern "C" UINT WINAPI ImeToAsciiEx(UINT virtualKeyWord, UINT scanWord, CONST LPBYTE keyState,
                                    LPTRANSMSGLIST list, UINT, HIMC himc) {
  return Guarded<UINT>(
      0, [&] { return TranslateKey(virtualKeyWord, scanWord, keyState, list, himc); });
}
