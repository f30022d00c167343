#include "ime/engine/CandidateSelection.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ContextBlocks.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/Messages.h"
#include "ime/settings/Globals.h"

namespace {

constexpr unsigned kEnterCode = 13;

// The list operation of a key: paging keys and Space by virtual key, the apostrophe and the
// period as the second and third candidate when so set, everything else by character.
unsigned CandidateCode(unsigned ch, unsigned vk) {
  if (ch == '\'' && globals.quoteSelectsSecond == 1) ch = '2';
  if (ch == '.' && globals.periodSelectsThird == 1) ch = '3';
  switch (vk) {
    case VK_PRIOR:
      return '-';
    case VK_NEXT:
      return '=';
    case VK_SPACE:
      return '1';
    case VK_RETURN:
      return vk;
    case VK_HOME:
      return '$';
    case VK_END:
      return '#';
    default:
      break;
  }
  if (vk >= '1' && vk <= '7') return vk;
  return ch;
}

void ArmAutoHide() {
  engine.autoHideArmed = 1;
  engine.autoHideTick = GetTickCount();
}

void PageDown(CandidateList* list, PrivateRecord* record) {
  const DWORD lastPageStart = list->dwCount == 0 ? 0 : (list->dwCount - 1) / 7 * list->dwPageSize;
  if (list->dwSelection >= lastPageStart) {
    MessageBeep(kBeep);
    return;
  }
  if (globals.verticalLayout != 0) {
    list->dwSelection += list->dwPageSize;
  } else {
    list->dwSelection += list->rowsDrawn;
    list->backwardFill = 0;
  }
  record->msgFlags |= kMsgChangeCandidate;
}

void PageUp(CandidateList* list, PrivateRecord* record) {
  list->dwSelection =
      list->dwPageSize > list->dwSelection ? 0 : list->dwSelection - list->dwPageSize;
  if (globals.verticalLayout == 0) list->backwardFill = 1;
  record->msgFlags |= kMsgChangeCandidate;
}

void Commit(LPINPUTCONTEXT context, PrivateRecord* record, CandidateList* list) {
  auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
  if (!composition) return;
  CommitCandidate(context, composition, record, list);
  UnlockBlock(context->hCompStr, composition);
}

// The committed bytes and the full text of the chosen candidate (empty for the typed code);
// at most `readable` bytes of text may be read.
struct Committed {
  const char* text;
  std::size_t length;
  std::string fullText;
  std::size_t readable = SIZE_MAX;
};

Committed ChooseCommitted(const PrivateRecord* record, const CandidateList* list) {
  if (!engine.candidateChosen) {
    const std::size_t typedLength = strnlen(record->typedKeys, kTypedKeysSize);
    const std::string_view typed(record->typedKeys, typedLength);
    return {record->typedKeys, RecordDisplayLength(typed), {}, typedLength};
  }
  const char* text = CandidateRecordAt(list, list->dwSelection) + 1;  // after the marker
  const std::size_t display = RecordDisplayLength(text);
  Committed committed{text, display, std::string(text, display)};
  // An association candidate commits only what continues the text committed before.
  const std::size_t prefix = engine.associationPrefix.size();
  if (prefix != 0 && prefix <= display) {
    committed.text += prefix;
    committed.length -= prefix;
  }
  return committed;
}

// Writes the committed text after the first `kept` bytes of the result string; the number
// of bytes of it the result holds.
std::size_t WriteResult(LPCOMPOSITIONSTRING composition, const Committed& committed,
                        DWORD kept) {
  const DWORD offset = composition->dwResultStrOffset;
  if (offset >= composition->dwSize || kept >= composition->dwSize - offset) {
    composition->dwResultStrLen = 0;
    return 0;
  }
  char* result = reinterpret_cast<char*>(composition) + offset + kept;
  const std::size_t room = composition->dwSize - offset - kept - 1;
  // The code part of a candidate record comes along.
  const std::size_t copied = strnlen(committed.text, std::min(room, committed.readable));
  std::memmove(result, committed.text, copied);
  result[copied] = 0;
  const std::size_t length = std::min(committed.length, copied);
  composition->dwResultStrLen = static_cast<DWORD>(kept + length);
  return length;
}

void OfferAssociations(const std::string& firstChar, std::string text, CandidateList* list) {
  if (globals.wordAssociation == 0 || text.empty() || firstChar.empty()) {
    ArmAutoHide();
    return;
  }
  if (!engine.simplifiedOutput) text = ToSimplified(text);
  engine.associationPrefix = text;
  if (LookupAssociations(firstChar, text, list) == 0) {
    engine.associationPrefix.clear();
    ArmAutoHide();
  }
}

void AppendCustomSearch(const std::string& committed) {
  if (engine.customSearch.size() + committed.size() <= kSearchTextSize) {
    engine.customSearch += committed;
  } else {
    engine.customSearch = committed;
  }
}

// Commits candidate i of the page shown.
void CommitOnPage(LPINPUTCONTEXT context, CandidateList* list, DWORD i, PrivateRecord* record) {
  if (list->dwSelection + i >= list->dwCount) {
    MessageBeep(kBeep);
    return;
  }
  list->dwSelection += i;
  engine.candidateChosen = 1;
  Commit(context, record, list);
}

}  // namespace

bool IsListUp(const PrivateRecord* record) {
  return (record->msgFlags & kMsgCandidateOpen) || !engine.associationPrefix.empty();
}

UINT CandidateStep(unsigned ch, unsigned vk, LPINPUTCONTEXT context, PrivateRecord* record,
                   LPTRANSMSGLIST list) {
  void* block = LockBlock<void>(context->hCandInfo);
  if (!block) return 0;
  const unsigned code = CandidateCode(ch, vk);
  record->state = kStateChoosing;
  if (code == kEscChar) {
    // Closing remakes the candidate block, which must not stay locked meanwhile.
    UnlockBlock(context->hCandInfo, block);
    CandidateKey(code, context, nullptr, record);
  } else {
    CandidateKey(code, context, block, record);
    UnlockBlock(context->hCandInfo, block);
  }
  return BuildMessages(list, context, record);
}

void CandidateKey(unsigned code, LPINPUTCONTEXT context, void* candidateBlock,
                  PrivateRecord* record) {
  if (code == kEscChar) {
    CloseCandidates(context, record);
    return;
  }
  if (!candidateBlock) {
    MessageBeep(kBeep);
    return;
  }
  CandidateList* list = CandidateListOf(candidateBlock);
  if (code == '=') {
    PageDown(list, record);
  } else if (code == '-') {
    PageUp(list, record);
  } else if (code >= '1' && code <= '7') {
    const DWORD i = code - '1';
    if (i >= list->rowsDrawn) {
      MessageBeep(kBeep);
      return;
    }
    CommitOnPage(context, list, i, record);
  } else if (code == kEnterCode) {
    engine.candidateChosen = 0;
    Commit(context, record, list);
  }
}

void CommitPageStart(LPINPUTCONTEXT context, void* candidateBlock, PrivateRecord* record) {
  if (!candidateBlock) {
    MessageBeep(kBeep);
    return;
  }
  CommitOnPage(context, CandidateListOf(candidateBlock), 0, record);
}

void CommitCandidate(LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                     PrivateRecord* record, CandidateList* list) {
  if (!composition || !record || !context) {
    MessageBeep(kBeep);
    return;
  }
  if (engine.candidateChosen && list->dwSelection >= list->dwCount) {
    MessageBeep(kBeep);  // nothing listed at the selection
    return;
  }
  // The composition buffer keeps the last code's bytes after the composition was cleared.
  std::string firstChar;
  if (composition->dwCompStrOffset < composition->dwSize) {
    const char first = reinterpret_cast<const char*>(composition)[composition->dwCompStrOffset];
    if (first != 0) firstChar.assign(1, first);
  }
  // A key may commit twice (a full code, then the code it starts when that has a single
  // candidate): the second text follows the first in the key's result.
  const DWORD kept = (record->msgFlags & kMsgInTranslation) && (record->gcsFlags & kGcsResultBits)
                         ? composition->dwResultStrLen
                         : 0;
  ClearComposition(composition);

  const Committed committed = ChooseCommitted(record, list);
  const std::size_t written = WriteResult(composition, committed, kept);
  // Copied now: the association below reuses the candidate buffers.
  const std::string result(written ? committed.text : "", written);

  record->msgFlags |= kMsgComposition;
  record->compChar = 0;
  record->gcsFlags |= kGcsCommitted;
  if (record->msgFlags & kMsgCandidateOpen) RaiseCloseCandidate(record);
  // The next code letter then starts a new composition where the result ends.
  if (CurrentHostQuirks().endCompositionAtCommit) RaiseEndComposition(record);

  list->dwCount = 0;
  list->dwSelection = 0;
  record->state = kStateIdle;
  engine.associationPrefix.clear();
  OfferAssociations(firstChar, committed.fullText, list);

  if (engine.searchTextFollowsList) std::memset(engine.searchText, 0, sizeof engine.searchText);
  if (engine.searchMode == 1) AppendCustomSearch(result);
  std::memset(record->typedKeys, 0, 4);
}

void CloseCandidates(LPINPUTCONTEXT context, PrivateRecord* record) {
  if (IsListUp(record)) {
    ResetCandidateBlock(context);
    RaiseCloseCandidate(record);
    // The emptied list must not keep taking the list keys.
    engine.associationPrefix.clear();
  }
  if (record->msgFlags & kMsgCompositionStarted) {
    auto* composition = LockBlock<COMPOSITIONSTRING>(context->hCompStr);
    auto* guideline = LockBlock<GUIDELINE>(context->hGuideLine);
    CancelComposition(composition, guideline, record);
    UnlockBlock(context->hCompStr, composition);
    UnlockBlock(context->hGuideLine, guideline);
  }
}
