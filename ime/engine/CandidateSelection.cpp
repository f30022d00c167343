#include "ime/engine/CandidateSelection.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "ime/dictionary/CandidateText.h"
#include "ime/engine/BlockLayouts.h"
#include "ime/engine/CandidateFill.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/KeyClassify.h"
#include "ime/engine/MessageBuilder.h"

namespace {

constexpr unsigned kEnterCode = 13;

// The list operation of a key: paging keys and Space by virtual key, the apostrophe and the
// period as the second and third candidate when so set, everything else by character.
unsigned CandidateCode(const EngineSettings& settings, unsigned ch, unsigned vk) {
  if (ch == '\'' && settings.quoteSelectsSecond) ch = '2';
  if (ch == '.' && settings.periodSelectsThird) ch = '3';
  switch (vk) {
    case kVkPrior:
      return '-';
    case kVkNext:
      return '=';
    case kVkSpace:
      return '1';
    case kVkReturn:
      return vk;
    case kVkHome:
      return '$';
    case kVkEnd:
      return '#';
    default:
      break;
  }
  if (vk >= '1' && vk <= '7') return vk;
  return ch;
}

void ArmAutoHide(EngineCall& call) {
  call.engine.autoHideArmed = 1;
  call.engine.autoHideTick = call.now;
}

void PageDown(EngineCall& call, CandidateList* list) {
  // The page size is never 0 (an application's 0 is refused).
  const std::uint32_t lastPageStart =
      list->dwCount == 0 ? 0 : (list->dwCount - 1) / list->dwPageSize * list->dwPageSize;
  if (list->dwSelection >= lastPageStart) {
    call.Beep();
    return;
  }
  if (call.settings.verticalLayout) {
    list->dwSelection += list->dwPageSize;
  } else {
    list->dwSelection += RowsOnPage(list);
    list->backwardFill = 0;
  }
  list->dwPageStart = list->dwSelection;
  call.record.msgFlags |= kMsgChangeCandidate;
}

void PageUp(EngineCall& call, CandidateList* list) {
  list->dwSelection =
      list->dwPageSize > list->dwSelection ? 0 : list->dwSelection - list->dwPageSize;
  list->dwPageStart = list->dwSelection;
  if (!call.settings.verticalLayout) list->backwardFill = 1;
  call.record.msgFlags |= kMsgChangeCandidate;
}

void Commit(EngineCall& call, CandidateList* list) {
  if (call.composition) CommitCandidate(call, list);
}

// The committed bytes and the full text of the chosen candidate (empty for the typed code);
// at most `readable` bytes of text may be read.
struct Committed {
  const char* text;
  std::size_t length;
  std::string fullText;
  std::size_t readable = SIZE_MAX;
};

Committed ChooseCommitted(const PrivateRecord& record, const CandidateList* list) {
  if (!record.facts.candidateChosen) {
    const std::size_t typedLength = strnlen(record.typedKeys, kTypedKeysSize);
    const std::string_view typed(record.typedKeys, typedLength);
    return {record.typedKeys, RecordDisplayLength(typed), {}, typedLength};
  }
  // What the list shows, whoever has reused the candidate buffers since.
  const std::string_view shown = CandidateEntryText(list, list->dwSelection);
  const std::size_t display = shown.size();
  Committed committed{shown.empty() ? "" : shown.data(), display, std::string(shown), display};
  // An association candidate commits only what continues the text committed before.
  const std::size_t prefix = strnlen(record.facts.associationPrefix, kAssociationPrefixSize);
  if (prefix != 0 && prefix <= display) {
    committed.text += prefix;
    committed.length -= prefix;
    committed.readable -= prefix;
  }
  return committed;
}

// Writes the committed text after the first `kept` bytes of the result string; the number
// of bytes of it the result holds.
std::size_t WriteResult(COMPOSITIONSTRING* composition, const Committed& committed,
                        std::uint32_t kept) {
  const std::uint32_t offset = composition->dwResultStrOffset;
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
  composition->dwResultStrLen = static_cast<std::uint32_t>(kept + length);
  return length;
}

void OfferAssociations(EngineCall& call, const std::string& firstChar, std::string text,
                       CandidateList* list) {
  if (!call.settings.wordAssociation || text.empty() || firstChar.empty()) {
    ArmAutoHide(call);
    return;
  }
  if (!call.engine.simplifiedOutput && call.host.toSimplified) text = call.host.toSimplified(text);
  char* prefix = call.facts().associationPrefix;
  // A continued text is a display text: it fits, unless a conversion made it longer.
  if (text.size() >= kAssociationPrefixSize) {
    ArmAutoHide(call);
    return;
  }
  std::memcpy(prefix, text.c_str(), text.size() + 1);
  if (ListAssociations(call, firstChar, text, list) == 0) {
    prefix[0] = '\0';
    ArmAutoHide(call);
  }
}

void AppendCustomSearch(EngineValues& engine, const std::string& committed) {
  if (engine.customSearch.size() + committed.size() <= kSearchTextSize) {
    engine.customSearch += committed;
  } else {
    engine.customSearch = committed;
  }
}

// Commits candidate i of the page shown.
void CommitOnPage(EngineCall& call, CandidateList* list, std::uint32_t i) {
  if (list->dwSelection + i >= list->dwCount) {
    call.Beep();
    return;
  }
  list->dwSelection += i;
  call.facts().candidateChosen = 1;
  Commit(call, list);
}

}  // namespace

std::uint32_t CandidateStep(EngineCall& call, unsigned ch, unsigned vk) {
  if (!call.candidates) return 0;
  call.record.state = kStateChoosing;
  CandidateKey(call, CandidateCode(call.settings, ch, vk));
  return BuildMessages(call);
}

void CandidateKey(EngineCall& call, unsigned code) {
  if (code == kEscChar) {
    CloseCandidates(call);
    return;
  }
  if (!call.candidates) {
    call.Beep();
    return;
  }
  CandidateList* list = CandidateListOf(call.candidates);
  if (code == '=') {
    PageDown(call, list);
  } else if (code == '-') {
    PageUp(call, list);
  } else if (code >= '1' && code <= '7') {
    const std::uint32_t i = code - '1';
    if (i >= RowsOnPage(list)) {
      call.Beep();
      return;
    }
    CommitOnPage(call, list, i);
  } else if (code == kEnterCode) {
    call.facts().candidateChosen = 0;
    Commit(call, list);
  }
}

void CommitPageStart(EngineCall& call) {
  if (!call.candidates) {
    call.Beep();
    return;
  }
  CommitOnPage(call, CandidateListOf(call.candidates), 0);
}

void CommitCandidate(EngineCall& call, CandidateList* list) {
  COMPOSITIONSTRING* composition = call.composition;
  PrivateRecord& record = call.record;
  InputFacts& facts = call.facts();
  if (!composition) {
    call.Beep();
    return;
  }
  if (facts.candidateChosen && list->dwSelection >= list->dwCount) {
    call.Beep();  // nothing listed at the selection
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
  const std::uint32_t kept =
      (record.msgFlags & kMsgInTranslation) && (record.gcsFlags & kGcsResultBits)
          ? composition->dwResultStrLen
          : 0;
  ClearComposition(composition);

  const Committed committed = ChooseCommitted(record, list);
  const std::size_t written = WriteResult(composition, committed, kept);
  // Copied now: the association below refills the list.
  const std::string result(written ? committed.text : "", written);

  record.msgFlags |= kMsgComposition;
  record.compChar = 0;
  record.gcsFlags |= kGcsCommitted;
  if (record.msgFlags & kMsgCandidateOpen) RaiseCloseCandidate(record);
  // The next code letter then starts a new composition where the result ends.
  if (call.host.endCompositionAtCommit) RaiseEndComposition(record);

  EmptyCandidateList(list);
  record.state = kStateIdle;
  facts.associationPrefix[0] = '\0';
  OfferAssociations(call, firstChar, committed.fullText, list);
  // A list that the committing key opened itself (a code with one candidate, such as the
  // zx codes of the comma and the semicolon) shows only what associations follow: left
  // open empty it would take the next digit, Space or Enter as a pick.
  if (facts.associationPrefix[0] == '\0') record.msgFlags &= ~kMsgOpenCandidate;

  if (facts.searchTextFollowsList) std::memset(facts.searchText, 0, sizeof facts.searchText);
  if (call.engine.searchMode == 1) AppendCustomSearch(call.engine, result);
  std::memset(record.typedKeys, 0, 4);
}

void CloseCandidates(EngineCall& call) {
  PrivateRecord& record = call.record;
  if (IsListUp(record)) {
    ResetCandidates(call);
    RaiseCloseCandidate(record);
    // The emptied list must not keep taking the list keys.
    record.facts.associationPrefix[0] = '\0';
  }
  if (record.msgFlags & kMsgCompositionStarted) CancelComposition(call);
}

void ResetCandidates(EngineCall& call) {
  if (call.candidates) InitCandidateInfo(call.candidates);
}
