#include "ime/engine/KeyCore.h"

#include "ime/engine/CandidateSelection.h"
#include "ime/engine/CharacterOutput.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/MessageBuilder.h"

namespace {

constexpr std::uint32_t kEnglishMask = kModeNative | kModeCharCode | kModeEudc;

// Backspace after the code was deleted to nothing: the composition ends at once and the
// key goes on to the application.
void EndEmptyComposition(EngineCall& call) {
  RaiseEndComposition(call.record);
  call.record.msgFlags &= ~kMsgInTranslation;
  if (call.record.msgFlags & kMsgCandidateOpen) {
    ResetCandidates(call);
    RaiseCloseCandidate(call.record);
  }
  GenerateMessages(call);
}

// Caps Lock on switches the context to English, off back to Chinese.
std::uint32_t FollowCapsLock(EngineCall& call, bool capsToggled) {
  if (capsToggled) {
    call.engine.capsForcedEnglish = 1;
    return call.mode & ~kEnglishMask;
  }
  call.engine.capsForcedEnglish = 0;
  return (call.mode | kModeNative) & ~(kModeCharCode | kModeEudc);
}

void ForgetReportedResult(EngineCall& call) {
  if (!(call.record.gcsFlags & kGcsResultBits)) return;
  if (call.composition) call.composition->dwResultStrLen = 0;
  call.record.gcsFlags = 0;
}

// Of the keys the application gets directly only the keypad's digits type a digit; the
// modifiers alone type nothing.
void NoteKeyNotTaken(PrivateRecord& record, unsigned vk) {
  if (vk == kVkMenu || vk == kVkControl || vk == kVkShift) return;
  record.facts.afterDigit = vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9;
}

}  // namespace

KeyDecision ProcessKey(EngineCall& call, const KeyEvent& key) {
  KeyDecision decision;
  const KeyClass keyClass = ClassifyKey(call, key);
  if (keyClass == kKeyPass) {
    NoteKeyNotTaken(call.record, key.vk);
    return decision;
  }
  if (keyClass == kKeyCompose && key.vk == kVkBack && call.record.state == kStateIdle) {
    EndEmptyComposition(call);
  } else if (key.vk == kVkCapital) {
    decision.switchesMode = true;
    decision.mode = FollowCapsLock(call, key.capsToggled);
  } else {
    decision.taken = !(keyClass == kKeyCharacter && key.vk == kVkSpace &&
                       !(call.mode & kModeFullShape));
  }
  if (!decision.taken) NoteKeyNotTaken(call.record, key.vk);
  return decision;
}

std::uint32_t TranslateKey(EngineCall& call, const KeyEvent& key) {
  PrivateRecord& record = call.record;
  ForgetReportedResult(call);
  record.msgFlags = (record.msgFlags & kMsgStandingBits) | kMsgInTranslation;

  std::uint32_t count = 0;
  const KeyClass keyClass = ClassifyKey(call, key);
  switch (keyClass) {
    case kKeySoftKeyboard:
      count = SoftKeyboardStep(call, key);
      break;
    case kKeyCharacter:
      count = CharacterStep(call, key);
      break;
    case kKeyCandidate:
      count = CandidateStep(call, key.ch, key.vk);
      break;
    case kKeyCompose:
      count = ComposeStep(call, key.ch);
      break;
    case kKeyInvalid:
      call.Beep();
      break;
    default:
      count = PlainCharacter(call.sink, key.ch, key.keyFlags);
      break;
  }

  record.facts.afterDigit = keyClass == kKeyCharacter && key.ch >= '0' && key.ch <= '9';
  record.msgFlags &= kMsgStandingBits;
  record.gcsFlags &= kGcsResultBits;
  return count;
}
