#include "ime/engine/InputControl.h"

#include <cstring>

#include "ime/engine/CandidateList.h"
#include "ime/engine/CandidateSelection.h"
#include "ime/engine/Composition.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/KeyClassify.h"
#include "ime/engine/MessageBuilder.h"

namespace {

void CommitInChoosingState(EngineCall& call) {
  if (call.composition && call.candidates) CommitCandidate(call, CandidateListOf(call.candidates));
}

// The code typed so far is looked up once more and, where a candidate is taken, committed.
void CompleteComposing(EngineCall& call) {
  PrivateRecord& record = call.record;
  if (call.composition && call.guideline) {
    ComposeKey(call, ' ');
    if (record.state == kStateComposing) {
      CancelInput(call);
    } else if (record.state == kStateChoosing) {
      CommitInChoosingState(call);
    }
  }
  if (record.msgFlags & kMsgCandidateOpen) {
    record.msgFlags = (record.msgFlags | kMsgCloseCandidate) &
                      ~(kMsgOpenCandidate | kMsgChangeCandidate);
  } else {
    record.msgFlags &= ~(kMsgOpenCandidate | kMsgCloseCandidate);
  }
  GenerateMessages(call);
}

// Page start and size are refused where a selection is (Chinese punctuation, the symbol
// mode bit, is the usual mode and pages as it selects) or without a candidate block.
CandidateList* ListForPaging(EngineCall& call, std::uint32_t index) {
  if (index != 0 || !call.open) return nullptr;
  if (call.mode & (kModeNoConversion | kModeEudc)) return nullptr;
  return call.candidates ? CandidateListOf(call.candidates) : nullptr;
}

}  // namespace

void StartInput(PrivateRecord& record, const EngineValues& engine) {
  std::memset(&record, 0, kPrivateRecordResetSize);
  record.facts = {};
  record.typingWindow = 0;
  record.facts.codeLengthLimit = engine.maxCodeLength;
  record.facts.searchTextFollowsList = 1;
  record.applicationDrawsCandidates = 0;  // nothing said to this module yet
}

void CancelInput(EngineCall& call) {
  PrivateRecord& record = call.record;
  record.gcsFlags = 0;
  if (IsListUp(record)) {
    CloseCandidates(call);
    GenerateMessages(call);
  } else if ((record.msgFlags & kMsgCompositionStarted) && call.composition && call.guideline) {
    CancelComposition(call);
    GenerateMessages(call);
  }
}

void RaiseRequests(EngineCall& call, std::uint32_t bits) {
  std::uint32_t& flags = call.record.msgFlags;
  flags |= bits;
  if (bits & kMsgCloseCandidate) {
    flags &= ~(kMsgOpenCandidate | kMsgChangeCandidate);
  } else if (bits & (kMsgOpenCandidate | kMsgChangeCandidate)) {
    flags &= ~kMsgCloseCandidate;
  }
  if (bits & kMsgEndComposition) {
    flags &= ~kMsgStartComposition;
  } else if (bits & kMsgStartComposition) {
    flags &= ~kMsgEndComposition;
  }
  GenerateMessages(call);
}

void ReactToModeChange(EngineCall& call, std::uint32_t previousMode) {
  std::uint32_t& mode = call.mode;
  call.engine.simplifiedOutput = (mode & kModeTraditional) ? 0 : 1;
  if ((mode | previousMode) & kModeCharCode) {
    mode &= ~kModeCharCode;
    call.Beep();
    return;
  }
  if ((mode | previousMode) & kModeNoConversion)
    mode = (mode | kModeNative) & ~(kModeCharCode | kModeEudc | kModeSymbol);
  if ((mode | previousMode) & kModeEudc)
    mode = (mode | kModeNative) & ~(kModeCharCode | kModeNoConversion | kModeSymbol);
  std::uint32_t requests = 0;
  if ((mode | previousMode) & kModeSoftKeyboard) requests = kMsgPrivateNotice5;
  if ((mode | previousMode) == kModeNative) {
    mode &= ~(kModeCharCode | kModeNoConversion | kModeEudc);
    requests = kMsgPrivateNotice5;
  }
  if (requests) RaiseRequests(call, requests);
  if ((mode | previousMode) & ~(kModeFullShape | kModeSoftKeyboard)) CancelInput(call);
}

void ReactToOpenStatus(EngineCall& call) {
  if (call.mode & kModeSoftKeyboard) RaiseRequests(call, kMsgPrivateNotice5);
  CancelInput(call);
}

bool SelectCandidate(EngineCall& call, std::uint32_t listNumber, std::uint32_t candidate) {
  if (!call.open || (call.mode & (kModeNoConversion | kModeEudc))) return false;
  if (!call.candidates) return false;
  CandidateList* list = CandidateListOf(call.candidates);
  const bool listed = listNumber < static_cast<CandidateInfoHead*>(call.candidates)->dwCount &&
                      !(listNumber == 0 && (call.mode & kModeCharCode)) &&
                      candidate < list->dwCount;
  if (listed) {
    // The candidate the list shows at that index, whether the window or an application
    // chose it.
    list->dwSelection = candidate;
    call.facts().candidateChosen = 1;
    CommitCandidate(call, list);
    GenerateMessages(call);
  }
  return true;
}

void CompleteInput(EngineCall& call) {
  const std::uint32_t chineseBits = call.mode & (kModeNative | kModeEudc | kModeSymbol);
  if (call.record.state == kStateChoosing) {
    CommitInChoosingState(call);
    GenerateMessages(call);
  } else if (call.record.state == kStateComposing && chineseBits == kModeNative) {
    CompleteComposing(call);
  } else {
    CancelInput(call);
  }
}

bool SetPageStart(EngineCall& call, std::uint32_t index, std::uint32_t value) {
  CandidateList* list = ListForPaging(call, index);
  if (!list) return false;
  if (value < list->dwCount) {
    list->dwPageStart = list->dwSelection = value;
    list->backwardFill = 0;
    list->rowsDrawn = 0;  // the window draws the new page
    RaiseRequests(call, kMsgChangeCandidate);
  }
  return true;
}

bool SetPageSize(EngineCall& call, std::uint32_t index, std::uint32_t value) {
  CandidateList* list = ListForPaging(call, index);
  // The list keys reach seven candidates on a page.
  if (!list || value == 0 || value > kCandidatePageSize) return false;
  if (list->dwCount != 0) {
    list->dwPageSize = value;
    list->rowsDrawn = 0;
    RaiseRequests(call, kMsgChangeCandidate);
  }
  return true;
}

void PageCandidates(EngineCall& call, bool up) {
  if (call.candidates) CandidateKey(call, up ? '-' : '=');
  RaiseRequests(call, kMsgChangeCandidate);
}
