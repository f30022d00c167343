#include "ime/engine/Messages.h"

#include <cstring>

#include "ime/engine/HostQuirks.h"

namespace {

constexpr UINT kMaxBuiltMessages = 10;

struct MessageBatch {
  TRANSMSG messages[kMaxBuiltMessages];
  UINT count = 0;
  void Add(UINT message, WPARAM wParam, LPARAM lParam) {
    messages[count++] = {message, wParam, lParam};
  }
};

UINT AppendToMessageBuffer(LPINPUTCONTEXT context, const TRANSMSG* messages, UINT count) {
  const DWORD existing = context->hMsgBuf ? context->dwNumMsgBuf : 0;
  const DWORD size = (existing + count) * sizeof(TRANSMSG);
  if (!context->hMsgBuf) {
    context->hMsgBuf = ImmCreateIMCC(size);
    context->dwNumMsgBuf = 0;
  } else if (ImmGetIMCCSize(context->hMsgBuf) < size) {
    HIMCC grown = ImmReSizeIMCC(context->hMsgBuf, size);
    if (!grown) return 0;
    context->hMsgBuf = grown;
  }
  auto* buffer = static_cast<TRANSMSG*>(context->hMsgBuf ? ImmLockIMCC(context->hMsgBuf) : nullptr);
  if (!buffer) return 0;
  std::memcpy(buffer + existing, messages, count * sizeof(TRANSMSG));
  ImmUnlockIMCC(context->hMsgBuf);
  return count;
}

}  // namespace

UINT DeliverMessages(LPTRANSMSGLIST list, LPINPUTCONTEXT context, bool toList,
                     const TRANSMSG* messages, UINT count) {
  if (count == 0) return 0;
  if (toList && list && list->uMsgCount >= count) {
    WriteTranslationEntries(list, messages, count);
    return count;
  }
  return context ? AppendToMessageBuffer(context, messages, count) : 0;
}

UINT BuildMessages(LPTRANSMSGLIST list, LPINPUTCONTEXT context, PrivateRecord* record) {
  DWORD flags = record->msgFlags;
  MessageBatch batch;
  if ((flags & kMsgCloseCandidate) && (flags & kMsgCandidateOpen)) {
    batch.Add(WM_IME_NOTIFY, IMN_CLOSECANDIDATE, 1);
    flags &= ~kMsgCandidateOpen;
  }
  if ((flags & kMsgEndComposition) && (flags & kMsgCompositionStarted)) {
    batch.Add(WM_IME_ENDCOMPOSITION, 0, 0);
    flags &= ~kMsgCompositionStarted;
  }
  if ((flags & kMsgStartComposition) && !(flags & kMsgCompositionStarted)) {
    batch.Add(WM_IME_STARTCOMPOSITION, 0, 0);
    flags |= kMsgCompositionStarted;
  }
  if (flags & kMsgComposition) batch.Add(WM_IME_COMPOSITION, record->compChar, record->gcsFlags);
  if (flags & kMsgGuideline) batch.Add(WM_IME_NOTIFY, IMN_GUIDELINE, 0);
  if ((flags & kMsgOpenCandidate) && !(flags & kMsgCandidateOpen)) {
    batch.Add(WM_IME_NOTIFY, IMN_OPENCANDIDATE, 1);
    flags |= kMsgCandidateOpen;
  }
  if (flags & kMsgChangeCandidate) batch.Add(WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
  if (flags & kMsgPrivateNotice5) batch.Add(WM_IME_NOTIFY, IMN_PRIVATE, 5);
  if (flags & kMsgPrivateNotice6) batch.Add(WM_IME_NOTIFY, IMN_PRIVATE, 6);
  if (flags & kMsgUserDictionaryNotice)
    batch.Add(WM_IME_NOTIFY, IMN_PRIVATE, kPrivateUserDictionaryNotice);

  const bool toList = (record->msgFlags & kMsgInTranslation) != 0;
  const UINT built = DeliverMessages(list, context, toList, batch.messages, batch.count);
  // The standing bits follow the messages actually delivered.
  if (built) record->msgFlags = flags;
  return built;
}

void GenerateMessages(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record) {
  if (!himc || !context || !record || (record->msgFlags & kMsgInTranslation)) return;
  context->dwNumMsgBuf += BuildMessages(nullptr, context, record);
  record->msgFlags &= kMsgStandingBits;
  record->gcsFlags = 0;
  ImmGenerateMessage(himc);
}

void GenerateMessagesNow(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record) {
  const DWORD inTranslation = record->msgFlags & kMsgInTranslation;
  record->msgFlags &= ~kMsgInTranslation;
  GenerateMessages(himc, context, record);
  record->msgFlags |= inTranslation;
}

void RaiseOpenCandidate(PrivateRecord* record) {
  record->msgFlags = (record->msgFlags | kMsgOpenCandidate) & ~kMsgCloseCandidate;
}

void RaiseCloseCandidate(PrivateRecord* record) {
  record->msgFlags = (record->msgFlags | kMsgCloseCandidate) & ~kMsgOpenCandidate;
}

void RaiseStartComposition(PrivateRecord* record) {
  record->msgFlags = (record->msgFlags | kMsgStartComposition) & ~kMsgEndComposition;
}

void RaiseEndComposition(PrivateRecord* record) {
  record->msgFlags = (record->msgFlags | kMsgEndComposition) & ~kMsgStartComposition;
}
