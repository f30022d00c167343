// The locks still held on an input context and its blocks, read through the manager's lock
// counts: what a call must leave behind is none.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "ime/common/ImmDev.h"

// " context:1 candidates:2", ...; empty when nothing is held.
inline std::string HeldLocks(HIMC himc) {
  std::string held;
  if (DWORD count = ImmGetIMCLockCount(himc)) held += " context:" + std::to_string(count);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  if (!context) return held + " (context gone)";
  const std::pair<const char*, HIMCC> blocks[] = {
      {"composition", context->hCompStr}, {"candidates", context->hCandInfo},
      {"guideline", context->hGuideLine}, {"private", context->hPrivate},
      {"messages", context->hMsgBuf}};
  ImmUnlockIMC(himc);
  for (const auto& [name, block] : blocks) {
    if (DWORD count = block ? ImmGetIMCCLockCount(block) : 0)
      held += std::string(" ") + name + ":" + std::to_string(count);
  }
  return held;
}
