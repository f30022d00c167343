#include "ime/engine/MessageBuilder.h"

#include "ime/engine/ImeValues.h"

namespace {

constexpr std::uint32_t kMaxBuiltMessages = 10;

struct MessageBatch {
  TRANSMSG messages[kMaxBuiltMessages];
  std::uint32_t count = 0;
  void Add(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    messages[count++] = {message, wParam, lParam};
  }
};

}  // namespace

std::uint32_t BuildMessages(EngineCall& call) {
  PrivateRecord& record = call.record;
  std::uint32_t flags = record.msgFlags;
  MessageBatch batch;
  if ((flags & kMsgCloseCandidate) && (flags & kMsgCandidateOpen)) {
    batch.Add(kWmImeNotify, kImnCloseCandidate, 1);
    flags &= ~kMsgCandidateOpen;
  }
  if ((flags & kMsgEndComposition) && (flags & kMsgCompositionStarted)) {
    batch.Add(kWmImeEndComposition, 0, 0);
    flags &= ~kMsgCompositionStarted;
  }
  if ((flags & kMsgStartComposition) && !(flags & kMsgCompositionStarted)) {
    batch.Add(kWmImeStartComposition, 0, 0);
    flags |= kMsgCompositionStarted;
  }
  if (flags & kMsgComposition) batch.Add(kWmImeComposition, record.compChar, record.gcsFlags);
  if (flags & kMsgGuideline) batch.Add(kWmImeNotify, kImnGuideline, 0);
  if ((flags & kMsgOpenCandidate) && !(flags & kMsgCandidateOpen)) {
    batch.Add(kWmImeNotify, kImnOpenCandidate, 1);
    flags |= kMsgCandidateOpen;
  }
  if (flags & kMsgChangeCandidate) batch.Add(kWmImeNotify, kImnChangeCandidate, 1);
  if (flags & kMsgPrivateNotice5) batch.Add(kWmImeNotify, kImnPrivate, 5);
  if (flags & kMsgPrivateNotice6) batch.Add(kWmImeNotify, kImnPrivate, 6);
  if (flags & kMsgUserDictionaryNotice)
    batch.Add(kWmImeNotify, kImnPrivate, kPrivateUserDictionaryNotice);

  if (batch.count == 0) return 0;
  const bool toList = (record.msgFlags & kMsgInTranslation) != 0;
  const std::uint32_t built = call.sink.Deliver(batch.messages, batch.count, toList);
  // The standing bits follow the messages actually delivered.
  if (built) record.msgFlags = flags;
  return built;
}

void GenerateMessages(EngineCall& call) {
  PrivateRecord& record = call.record;
  if (record.msgFlags & kMsgInTranslation) return;
  const std::uint32_t built = BuildMessages(call);
  record.msgFlags &= kMsgStandingBits;
  record.gcsFlags = 0;
  call.sink.Send(built);
}

void GenerateMessagesNow(EngineCall& call) {
  const std::uint32_t inTranslation = call.record.msgFlags & kMsgInTranslation;
  call.record.msgFlags &= ~kMsgInTranslation;
  GenerateMessages(call);
  call.record.msgFlags |= inTranslation;
}

void RaiseOpenCandidate(PrivateRecord& record) {
  record.msgFlags = (record.msgFlags | kMsgOpenCandidate) & ~kMsgCloseCandidate;
}

void RaiseCloseCandidate(PrivateRecord& record) {
  record.msgFlags = (record.msgFlags | kMsgCloseCandidate) & ~kMsgOpenCandidate;
}

void RaiseStartComposition(PrivateRecord& record) {
  record.msgFlags = (record.msgFlags | kMsgStartComposition) & ~kMsgEndComposition;
}

void RaiseEndComposition(PrivateRecord& record) {
  record.msgFlags = (record.msgFlags | kMsgEndComposition) & ~kMsgStartComposition;
}
