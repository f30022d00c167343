// One call of the key core on a context the caller has locked: the context's blocks locked
// for the call, its messages delivered to ImeToAsciiEx's translation list or the context's
// message buffer, its conversion mode stored back and its beeps given.
#pragma once

#include <optional>

#include "ime/common/ImmDev.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCall.h"

class ContextCall final : private MessageSink {
public:
  // list: ImeToAsciiEx's translation list, or nullptr outside a key.
  ContextCall(HIMC himc, LPINPUTCONTEXT context, LPTRANSMSGLIST list = nullptr);
  ~ContextCall();
  ContextCall(const ContextCall&) = delete;
  ContextCall& operator=(const ContextCall&) = delete;

  // False when the context has no private record: the core is not called.
  explicit operator bool() const { return call_.has_value(); }
  EngineCall& operator*() { return *call_; }
  EngineCall* operator->() { return &*call_; }
  // Where the call's messages go; usable without a private record too.
  MessageSink& sink() { return *this; }
  // The messages generated outside a key go to window instead of where the manager would
  // send them.
  void SendTo(HWND window) { target_ = window; }

private:
  std::uint32_t Deliver(const TRANSMSG* messages, std::uint32_t count, bool toList) override;
  void Send(std::uint32_t count) override;
  // The mode the core changed goes into the context; a change made meanwhile by a call
  // nested in a sent message comes into the core.
  void SyncMode();

  HIMC himc_;
  LPINPUTCONTEXT context_;
  LPTRANSMSGLIST list_;
  EngineSettings settings_;
  std::uint32_t storedMode_;
  // Released after the call, in the reverse order, on every path.
  PrivateRecordLock record_;
  BlockLock<COMPOSITIONSTRING> composition_;
  BlockLock<GUIDELINE> guideline_;
  CandidateBlockLock candidates_;
  std::optional<EngineCall> call_;
  HWND target_ = nullptr;
};

// Messages delivered where a key has no context: into the translation list only.
std::uint32_t DeliverToList(LPTRANSMSGLIST list, const TRANSMSG* messages, std::uint32_t count);
