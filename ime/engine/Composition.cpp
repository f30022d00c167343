#include "ime/engine/Composition.h"

#include <cstring>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/CandidateSelection.h"
#include "ime/engine/ContextBlocks.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/KeyClassify.h"
#include "ime/engine/Messages.h"
#include "ime/settings/Globals.h"

namespace {

constexpr BYTE kInputAttribute = 1;  // ATTR_TARGET_CONVERTED

char* BlockBytes(LPCOMPOSITIONSTRING composition, DWORD offset) {
  return reinterpret_cast<char*>(composition) + offset;
}

// Whether two bytes at offset + index lie inside the block.
bool FitsInBlock(LPCOMPOSITIONSTRING composition, DWORD offset, DWORD index) {
  return offset < composition->dwSize && index + 2 <= composition->dwSize - offset;
}

void ClearTypedKeysStart(PrivateRecord* record) { std::memset(record->typedKeys, 0, 4); }

void RefuseLetter(LPGUIDELINE guideline, PrivateRecord* record) {
  guideline->dwLevel = GL_LEVEL_ERROR;
  guideline->dwIndex = GL_ID_TOOMANYSTROKE;
  record->msgFlags |= kMsgGuideline;
}

void ClearGuideline(LPGUIDELINE guideline, PrivateRecord* record) {
  guideline->dwLevel = 0;
  guideline->dwIndex = 0;
  guideline->dwStrLen = 0;
  record->msgFlags |= kMsgGuideline;
}

void MarkCodeChanged(PrivateRecord* record, unsigned compChar) {
  record->msgFlags |= kMsgComposition;
  record->compChar = compChar;
  record->gcsFlags |= kGcsCodeChanged;
}

// The first candidate of the page is committed. When nothing could be committed the code
// is still being typed.
void CommitFirstCandidate(LPINPUTCONTEXT context, PrivateRecord* record) {
  record->state = kStateChoosing;
  auto* candidates = LockBlock<void>(context->hCandInfo);
  CommitPageStart(context, candidates, record);
  UnlockBlock(context->hCandInfo, candidates);
  if (record->state == kStateChoosing) record->state = kStateComposing;
}

// The user is told once per process that the user dictionary cannot be read: by the UI
// window, after the key, which a message box inside the key would hold up.
void RaiseUserDictionaryNotice(PrivateRecord* record) {
  if (engine.userDictionaryNoticeGiven) return;
  engine.userDictionaryNoticeGiven = 1;
  record->msgFlags |= kMsgUserDictionaryNotice;
}

// Whether the key commits the code typed so far before it starts a code of its own: a code
// letter on a full code, and in zx "," and ";" on any code, since codes only begin with
// them. Backspace and Esc edit the code instead.
bool CommitsTheCodeBefore(unsigned ch, DWORD codeLength) {
  if (codeLength == 0 || !IsComposingKey(ch)) return false;
  const bool letter = ch >= 'a' && ch <= 'z';
  return codeLength == engine.maxCodeLength || !letter;
}

}  // namespace

UINT ComposeStep(unsigned ch, HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record,
                 LPTRANSMSGLIST list) {
  auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
  auto* guideline = LockBlock<GUIDELINE>(context->hGuideLine);
  if (!composition || !guideline) {
    UnlockBlock(context->hCompStr, composition);
    UnlockBlock(context->hGuideLine, guideline);
    return 0;
  }
  // The next code's list replaces the committed one's at once, so the list stays open for
  // its keys.
  if (CommitsTheCodeBefore(ch, composition->dwCursorPos)) {
    CommitFirstCandidate(context, record);
    record->state = kStateComposing;
    record->msgFlags &= ~kMsgCloseCandidate;
    // Where the commit ends the composition, the next code starts a new one, and the result
    // goes out first: the EDIT that needs the end posts the committed characters while it
    // handles the result, and places a composition where the caret is when it starts.
    if (record->msgFlags & kMsgEndComposition) GenerateMessagesNow(himc, context, record);
  }
  ComposeKey(ch, context, composition, guideline, record);
  if (engine.foundCount == 0) DeleteCodeChar(context, composition, record);
  UnlockBlock(context->hCompStr, composition);
  UnlockBlock(context->hGuideLine, guideline);

  // A code letter that leaves exactly one candidate commits it at once. Only a letter does:
  // the flag keeps its value through keys that look nothing up (Esc, Backspace to nothing).
  if (engine.searchTextFollowsList == 0 && IsComposingKey(ch)) CommitFirstCandidate(context, record);
  return BuildMessages(list, context, record);
}

void ComposeKey(unsigned ch, LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                LPGUIDELINE guideline, PrivateRecord* record) {
  if (!composition) {
    MessageBeep(kBeep);
    return;
  }
  if (ch == kEscChar) {
    CancelComposition(composition, guideline, record);
    return;
  }
  if (guideline->dwLevel == 0) {
    guideline->dwStrLen = 0;
  } else {
    // The letter refused last time is dropped from the code as typed.
    if (guideline->dwLevel == GL_LEVEL_ERROR) {
      if (composition->dwCursorPos < kTypedKeysSize) record->typedKeys[composition->dwCursorPos] = 0;
      composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwCursorPos;
      composition->dwCompReadAttrLen = composition->dwCompAttrLen = composition->dwCursorPos;
    }
    ClearGuideline(guideline, record);
  }
  if (ch == kBackspaceChar) {
    DeleteCodeChar(context, composition, record);
    return;
  }
  if (ch != ' ') AddCodeChar(ch, composition, guideline, record);
  RunLookupStep(ch, context, composition, record);
}

void AddCodeChar(unsigned ch, LPCOMPOSITIONSTRING composition, LPGUIDELINE guideline,
                 PrivateRecord* record) {
  const DWORD p = composition->dwCursorPos;
  if (p >= engine.maxCodeLength || p >= engine.codeLengthLimit || p + 1 >= kTypedKeysSize ||
      !FitsInBlock(composition, composition->dwCompStrOffset, p) ||
      !FitsInBlock(composition, composition->dwCompAttrOffset, p)) {
    RefuseLetter(guideline, record);
    return;
  }
  if (!(record->msgFlags & kMsgCompositionStarted)) RaiseStartComposition(record);
  if (record->state == kStateIdle) ClearTypedKeysStart(record);
  record->typedKeys[p] = static_cast<char>(ch);
  record->typedKeys[p + 1] = 0;  // a longer code typed before may have left its letters here

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

  record->state = kStateComposing;
  MarkCodeChanged(record, ch);
}

void DeleteCodeChar(LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                    PrivateRecord* record) {
  const DWORD p = composition->dwCursorPos > 0 ? composition->dwCursorPos - 1 : 0;
  if (p < kTypedKeysSize) record->typedKeys[p] = 0;
  composition->dwCursorPos = p;
  MarkCodeChanged(record, kBackspaceChar);

  if (p == 0) {
    if (record->msgFlags & kMsgCandidateOpen) {
      ResetCandidateBlock(context);
      RaiseCloseCandidate(record);
    }
    if (record->state != kStateIdle) {
      record->state = kStateIdle;
      composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwDeltaStart = 0;
      RunLookupStep(kBackspaceChar, context, composition, record);
      return;
    }
    // The code was already empty: this Backspace ends the composition.
    if (record->msgFlags & kMsgCompositionStarted) {
      ClearComposition(composition);
      RaiseEndComposition(record);
    }
    return;
  }
  composition->dwCompReadStrLen = composition->dwCompStrLen = composition->dwDeltaStart = p;
  RunLookupStep(kBackspaceChar, context, composition, record);
}

void CancelComposition(LPCOMPOSITIONSTRING composition, LPGUIDELINE guideline,
                       PrivateRecord* record) {
  if (!guideline) {
    MessageBeep(kBeep);
  } else if (guideline->dwLevel != 0) {
    ClearGuideline(guideline, record);
  }
  // While a candidate key is handled the composition stays started (a second Esc ends it).
  if (record->state != kStateChoosing && (record->msgFlags & kMsgCompositionStarted))
    RaiseEndComposition(record);
  record->state = kStateIdle;
  ClearTypedKeysStart(record);
  if (composition) {
    ClearComposition(composition);
    MarkCodeChanged(record, kEscChar);
  }
}

void RunLookupStep(unsigned ch, LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                   PrivateRecord* record) {
  void* block = LockBlock<void>(context->hCandInfo);
  if (!block) return;
  CandidateList* list = CandidateListOf(block);
  list->dwCount = 0;
  list->dwSelection = 0;
  const DWORD schemeLimit = globals.sxScheme == 1 ? kSxMaxCodeLength : kZxMaxCodeLength;
  if (composition->dwCursorPos <= schemeLimit &&
      (IsComposingKey(ch) || ch == ' ' || ch == kBackspaceChar)) {
    if (!LookupCandidates(composition, list)) RaiseUserDictionaryNotice(record);
  }
  static_cast<CandidateInfoHead*>(block)->dwCount = 1;
  if (record->msgFlags & kMsgCandidateOpen) {
    record->msgFlags |= kMsgChangeCandidate;
  } else {
    RaiseOpenCandidate(record);
  }
  if (record->msgFlags & kMsgCompositionStarted) record->msgFlags |= kMsgComposition;
  UnlockBlock(context->hCandInfo, block);
}
