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
  const BlockLock<TRANSMSG> buffer(context->hMsgBuf);
  if (!buffer) return 0;
  std::memcpy(buffer.get() + existing, messages, count * sizeof(TRANSMSG));
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
      storedMode_(context->fdwConversion),
      record_(context),
      // The other blocks are locked only for a context with the engine's record.
      composition_(record_ ? context->hCompStr : nullptr),
      guideline_(record_ ? context->hGuideLine : nullptr),
      candidates_(record_ ? context : nullptr) {
  if (!record_) return;
  call_.emplace(EngineCall{storedMode_, context->fOpen != FALSE, *record_.get(),
                           composition_.get(), guideline_.get(), candidates_.get(), engine,
                           settings_, CurrentHostServices(), globals.candidatePool,
                           GetTickCount(), *this});
}

ContextCall::~ContextCall() {
  if (!call_) return;
  SyncMode();
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
