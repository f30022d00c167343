// Locking the blocks of an input context for the duration of one operation. Each lock has
// one owner object that releases it on every path out, an exception included: a lock left
// held would leave the context locked in the application for good.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/PrivateRecord.h"

// The private record, or nullptr when the block is missing, cannot be locked or is smaller
// than the record (the manager sizes it from ImeInquire's answer).
PrivateRecord* LockPrivateRecord(LPINPUTCONTEXT context);
void UnlockPrivateRecord(LPINPUTCONTEXT context);

// Makes the private block at least the record's size. Windows allocates it from ImeInquire's
// answer; Wine 8.0 keeps the block of the input method that was selected before.
bool EnsurePrivateRecord(LPINPUTCONTEXT context);

// A block of the context, or nullptr when the handle is 0 or the lock fails.
template <typename T>
T* LockBlock(HIMCC block) {
  return block ? static_cast<T*>(ImmLockIMCC(block)) : nullptr;
}
inline void UnlockBlock(HIMCC block, const void* locked) {
  if (locked) ImmUnlockIMCC(block);
}

// The candidate information block, or nullptr when it is missing, cannot be locked or is
// smaller than its layout.
void* LockCandidateBlock(LPINPUTCONTEXT context);

// The input context of himc locked while the owner lives; empty when himc is 0 or the lock
// fails.
class ContextLock {
public:
  explicit ContextLock(HIMC himc) : himc_(himc), context_(himc ? ImmLockIMC(himc) : nullptr) {}
  ~ContextLock() {
    if (context_) ImmUnlockIMC(himc_);
  }
  ContextLock(const ContextLock&) = delete;
  ContextLock& operator=(const ContextLock&) = delete;

  explicit operator bool() const { return context_ != nullptr; }
  LPINPUTCONTEXT get() const { return context_; }
  LPINPUTCONTEXT operator->() const { return context_; }

private:
  HIMC himc_;
  LPINPUTCONTEXT context_;
};

// One block of a context locked while the owner lives: the block was locked through handle
// (by LockBlock, LockPrivateRecord or LockCandidateBlock) and is unlocked through the same
// handle; nullptr when it was not.
template <typename T>
class BlockLock {
public:
  BlockLock(HIMCC handle, T* block) : handle_(handle), block_(block) {}
  explicit BlockLock(HIMCC handle) : BlockLock(handle, LockBlock<T>(handle)) {}
  ~BlockLock() {
    if (block_) ImmUnlockIMCC(handle_);
  }
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;

  explicit operator bool() const { return block_ != nullptr; }
  T* get() const { return block_; }
  T* operator->() const { return block_; }

private:
  HIMCC handle_;
  T* block_;
};

// The private record locked while the owner lives; empty as LockPrivateRecord answers.
class PrivateRecordLock : public BlockLock<PrivateRecord> {
public:
  explicit PrivateRecordLock(LPINPUTCONTEXT context)
      : BlockLock(context ? context->hPrivate : nullptr, LockPrivateRecord(context)) {}
};

// The candidate information block locked while the owner lives; empty as
// LockCandidateBlock answers, or when context is nullptr.
class CandidateBlockLock : public BlockLock<void> {
public:
  explicit CandidateBlockLock(LPINPUTCONTEXT context)
      : BlockLock(context ? context->hCandInfo : nullptr,
                  context ? LockCandidateBlock(context) : nullptr) {}
};
