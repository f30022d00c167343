#include "ime/engine/ContextCall.h"

#include <cstring>

#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"

namespace {

// Appends the messages to the context's message buffer after its dwNumMsgBuf entries,
// creating or growing it; the number appended, 0 when it could not be grown or locked.
std::uint32_t AppendToMessageBuffer(LPINPUTCONTEXT context, const TRANSMSG* messages,
                                    std::uint32_t count) {
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

std::uint32_t DeliverToList(LPTRANSMSGLIST list, const TRANSMSG* messages, std::uint32_t count) {
  if (count == 0 || !list || list->uMsgCount < count) return 0;
  WriteTranslationEntries(list, messages, count);
  return count;
}

ContextCall::ContextCall(HIMC himc, LPINPUTCONTEXT context, LPTRANSMSGLIST list)
    : himc_(himc),
      context_(context),
      list_(list),
      settings_(CurrentEngineSettings()),
      storedMode_(context->fdwConversion) {
  PrivateRecord* record = LockPrivateRecord(context);
  if (!record) return;
  call_.emplace(EngineCall{storedMode_, context->fOpen != FALSE, *record,
                           LockBlock<COMPOSITIONSTRING>(context->hCompStr),
                           LockBlock<GUIDELINE>(context->hGuideLine), LockCandidateBlock(context),
                           engine, settings_, CurrentHostServices(), globals.candidatePool,
                           GetTickCount(), *this});
}

ContextCall::~ContextCall() {
  if (!call_) return;
  SyncMode();
  UnlockBlock(context_->hCandInfo, call_->candidates);
  UnlockBlock(context_->hGuideLine, call_->guideline);
  UnlockBlock(context_->hCompStr, call_->composition);
  UnlockPrivateRecord(context_);
  for (int beep = 0; beep < call_->beeps; ++beep) MessageBeep(kBeep);
}

void ContextCall::SyncMode() {
  if (call_->mode != storedMode_) context_->fdwConversion = call_->mode;
  storedMode_ = call_->mode = context_->fdwConversion;
}

std::uint32_t ContextCall::Deliver(const TRANSMSG* messages, std::uint32_t count, bool toList) {
  if (count == 0) return 0;
  if (toList && list_ && list_->uMsgCount >= count) return DeliverToList(list_, messages, count);
  return AppendToMessageBuffer(context_, messages, count);
}

// What the manager sends, the application may answer by reading the context.
void ContextCall::Send(std::uint32_t count) {
  context_->dwNumMsgBuf += count;
  if (call_) SyncMode();
  if (target_) {
    SendGeneratedMessages(context_, target_);
  } else {
    ImmGenerateMessage(himc_);
  }
  if (call_) SyncMode();
}
