// Locking the blocks of an input context for the duration of one operation.
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
