#include "ime/engine/Composition.h"

#include <cstring>

#include "ime/engine/BlockLayouts.h"
#include "ime/engine/CandidateFill.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/CandidateSelection.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/KeyClassify.h"
#include "ime/engine/MessageBuilder.h"

namespace {

constexpr char kInputAttribute = 1;  // ATTR_TARGET_CONVERTED

char* BlockBytes(COMPOSITIONSTRING* composition, std::uint32_t offset) {
  return reinterpret_cast<char*>(composition) + offset;
}

// Whether two bytes at offset + index lie inside the block.
bool FitsInBlock(const COMPOSITIONSTRING* composition, std::uint32_t offset, std::uint32_t index) {
  return offset < composition->dwSize && index + 2 <= composition->dwSize - offset;
}

void ClearTypedKeysStart(PrivateRecord& record) { std::memset(record.typedKeys, 0, 4); }

void RefuseLetter(GUIDELINE* guideline, PrivateRecord& record) {
  guideline->dwLevel = kGuidelineLevelError;
  guideline->dwIndex = kGuidelineTooManyStrokes;
  record.msgFlags |= kMsgGuideline;
}

void ClearGuideline(GUIDELINE* guideline, PrivateRecord& record) {
  guideline->dwLevel = 0;
  guideline->dwIndex = 0;
  guideline->dwStrLen = 0;
  record.msgFlags |= kMsgGuideline;
}

void MarkCodeChanged(PrivateRecord& record, unsigned compChar) {
  record.msgFlags |= kMsgComposition;
  record.compChar = compChar;
  record.gcsFlags |= kGcsCodeChanged;
}

// The first candidate of the page is committed. When nothing could be committed the code
// is still being typed.
void CommitFirstCandidate(EngineCall& call) {
  call.record.state = kStateChoosing;
  CommitPageStart(call);
  if (call.record.state == kStateChoosing) call.record.state = kStateComposing;
}

// The user is told once per process that the user dictionary cannot be read: by the UI
// window, after the key, which a message box inside the key would hold up.
void RaiseUserDictionaryNotice(EngineCall& call) {
  if (call.engine.userDictionaryNoticeGiven) return;
  call.engine.userDictionaryNoticeGiven = 1;
  call.record.msgFlags |= kMsgUserDictionaryNotice;
}

// Whether the key commits the code typed so far before it starts a code of its own: a code
// letter on a full code, and in zx "," and ";" on any code, since codes only begin with
// them. Backspace and Esc edit the code instead.
bool CommitsTheCodeBefore(const EngineCall& call, unsigned ch, std::uint32_t codeLength) {
  if (codeLength == 0 || !IsComposingKey(ch, call.Sx())) return false;
  const bool letter = ch >= 'a' && ch <= 'z';
  return codeLength == call.engine.maxCodeLength || !letter;
}

}  // namespace

std::uint32_t ComposeStep(EngineCall& call, unsigned ch) {
  if (!call.composition || !call.guideline) return 0;
  PrivateRecord& record = call.record;
  // The next code's list replaces the committed one's at once, so the list stays open for
  // its keys.
  if (CommitsTheCodeBefore(call, ch, call.composition->dwCursorPos)) {
    CommitFirstCandidate(call);
    record.state = kStateComposing;
    record.msgFlags &= ~kMsgCloseCandidate;
    // Where the commit ends the composition, the next code starts a new one, and the result
    // goes out first: the EDIT that needs the end posts the committed characters while it
    // handles the result, and places a composition where the caret is when it starts.
    if (record.msgFlags & kMsgEndComposition) GenerateMessagesNow(call);
  }
  ComposeKey(call, ch);
  if (call.facts().foundCount == 0) DeleteCodeChar(call);

  // A code letter that leaves exactly one candidate commits it at once. Only a letter does:
  // the flag keeps its value through keys that look nothing up (Esc, Backspace to nothing).
  if (call.facts().searchTextFollowsList == 0 && IsComposingKey(ch, call.Sx()))
    CommitFirstCandidate(call);
  return BuildMessages(call);
}

void ComposeKey(EngineCall& call, unsigned ch) {
  COMPOSITIONSTRING* composition = call.composition;
  GUIDELINE* guideline = call.guideline;
  PrivateRecord& record = call.record;
  if (ch == kEscChar) {
    CancelComposition(call);
    return;
  }
  if (guideline->dwLevel == 0) {
    guideline->dwStrLen = 0;
  } else {
    // The letter refused last time is dropped from the code as typed.
    if (guideline->dwLevel == kGuidelineLevelError) {
      if (composition->dwCursorPos < kTypedKeysSize) record.typedKeys[composition->dwCursorPos] = 0;
      composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwCursorPos;
      composition->dwCompReadAttrLen = composition->dwCompAttrLen = composition->dwCursorPos;
    }
    ClearGuideline(guideline, record);
  }
  if (ch == kBackspaceChar) {
    DeleteCodeChar(call);
    return;
  }
  if (ch != ' ') AddCodeChar(call, ch);
  RunLookupStep(call, ch);
}

void AddCodeChar(EngineCall& call, unsigned ch) {
  COMPOSITIONSTRING* composition = call.composition;
  PrivateRecord& record = call.record;
  const std::uint32_t p = composition->dwCursorPos;
  if (p >= call.engine.maxCodeLength || p >= call.facts().codeLengthLimit ||
      p + 1 >= kTypedKeysSize || !FitsInBlock(composition, composition->dwCompStrOffset, p) ||
      !FitsInBlock(composition, composition->dwCompAttrOffset, p)) {
    RefuseLetter(call.guideline, record);
    return;
  }
  if (!(record.msgFlags & kMsgCompositionStarted)) RaiseStartComposition(record);
  if (record.state == kStateIdle) ClearTypedKeysStart(record);
  record.typedKeys[p] = static_cast<char>(ch);
  record.typedKeys[p + 1] = 0;  // a longer code typed before may have left its letters here

  char* code = BlockBytes(composition, composition->dwCompStrOffset);
  code[p] = static_cast<char>(ch);
  code[p + 1] = 0;
  char* attributes = BlockBytes(composition, composition->dwCompAttrOffset);
  attributes[p] = attributes[p + 1] = kInputAttribute;

  if (p >= composition->dwCompReadStrLen) ++composition->dwCompReadStrLen;
  composition->dwCompStrLen = composition->dwCompReadAttrLen = composition->dwCompAttrLen =
      composition->dwCompReadStrLen;
  composition->dwDeltaStart = p;
  composition->dwCursorPos = composition->dwCompStrLen;

  record.state = kStateComposing;
  MarkCodeChanged(record, ch);
}

void DeleteCodeChar(EngineCall& call) {
  COMPOSITIONSTRING* composition = call.composition;
  PrivateRecord& record = call.record;
  const std::uint32_t p = composition->dwCursorPos > 0 ? composition->dwCursorPos - 1 : 0;
  if (p < kTypedKeysSize) record.typedKeys[p] = 0;
  composition->dwCursorPos = p;
  MarkCodeChanged(record, kBackspaceChar);

  if (p == 0) {
    if (record.msgFlags & kMsgCandidateOpen) {
      ResetCandidates(call);
      RaiseCloseCandidate(record);
    }
    if (record.state != kStateIdle) {
      record.state = kStateIdle;
      composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwDeltaStart = 0;
      RunLookupStep(call, kBackspaceChar);
      return;
    }
    // The code was already empty: this Backspace ends the composition.
    if (record.msgFlags & kMsgCompositionStarted) {
      ClearComposition(composition);
      RaiseEndComposition(record);
    }
    return;
  }
  composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwDeltaStart = p;
  RunLookupStep(call, kBackspaceChar);
}

void CancelComposition(EngineCall& call) {
  PrivateRecord& record = call.record;
  if (!call.guideline) {
    call.Beep();
  } else if (call.guideline->dwLevel != 0) {
    ClearGuideline(call.guideline, record);
  }
  // While a candidate key is handled the composition stays started (a second Esc ends it).
  if (record.state != kStateChoosing && (record.msgFlags & kMsgCompositionStarted))
    RaiseEndComposition(record);
  record.state = kStateIdle;
  ClearTypedKeysStart(record);
  if (call.composition) {
    ClearComposition(call.composition);
    MarkCodeChanged(record, kEscChar);
  }
}

void RunLookupStep(EngineCall& call, unsigned ch) {
  if (!call.candidates) return;
  PrivateRecord& record = call.record;
  CandidateList* list = CandidateListOf(call.candidates);
  EmptyCandidateList(list);
  const std::uint32_t schemeLimit = MaxCodeLength(call.settings.dictionaries.scheme);
  if (call.composition->dwCursorPos <= schemeLimit &&
      (IsComposingKey(ch, call.Sx()) || ch == ' ' || ch == kBackspaceChar)) {
    if (!ListCandidates(call, list)) RaiseUserDictionaryNotice(call);
  }
  static_cast<CandidateInfoHead*>(call.candidates)->dwCount = 1;
  if (record.msgFlags & kMsgCandidateOpen) {
    record.msgFlags |= kMsgChangeCandidate;
  } else {
    RaiseOpenCandidate(record);
  }
  if (record.msgFlags & kMsgCompositionStarted) record.msgFlags |= kMsgComposition;
}
