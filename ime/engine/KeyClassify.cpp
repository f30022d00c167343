#include "ime/engine/KeyClassify.h"

#include <cstring>

#include "ime/engine/CandidateSelection.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

namespace {

constexpr unsigned kEnter = 13;
constexpr unsigned kEsc = 27;

bool IsPrintable(unsigned ch) { return ch >= 0x21 && ch <= 0x7E; }

bool IsCandidateKey(unsigned ch, unsigned vk) {
  switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_ESCAPE:
      return true;
    default:
      break;
  }
  if (ch == '-' || ch == '=' || ch == ' ' || ch == kEnter) return true;
  if (ch >= '1' && ch <= '7') return true;
  if (ch == '\'' && globals.quoteSelectsSecond == 1) return true;
  return ch == '.' && globals.periodSelectsThird == 1;
}

// Esc belongs to the input method while a composition or a refusal is on show.
KeyClass ClassifyEscape(const PrivateRecord* record, LPINPUTCONTEXT context) {
  auto* guideline = LockBlock<GUIDELINE>(context->hGuideLine);
  if (!guideline) return kKeyPass;
  const bool taken = (record->msgFlags & kMsgCompositionStarted) || guideline->dwLevel != 0;
  UnlockBlock(context->hGuideLine, guideline);
  return taken ? kKeyCompose : kKeyPass;
}

}  // namespace

bool IsComposingKey(unsigned ch) {
  if (ch == 0) return false;
  if (globals.sxScheme == 1 && (ch == ',' || ch == ';')) return false;
  return std::memchr(globals.composeKeys, static_cast<int>(ch), globals.composeKeyCount) != nullptr;
}

KeyClass ClassifyKey(unsigned ch, unsigned vk, unsigned keyFlags, const PrivateRecord* record,
                     LPINPUTCONTEXT context) {
  engine.autoHideArmed = 0;
  if (!context || !record) return kKeyPass;
  if (vk == VK_MENU || vk == VK_CONTROL || vk == VK_SHIFT) return kKeyPass;
  if ((keyFlags & KF_ALTDOWN) || !context->fOpen) return kKeyPass;

  const DWORD mode = context->fdwConversion;
  if (mode & IME_CMODE_NOCONVERSION) return vk == VK_CAPITAL ? kKeyCaps : kKeyPass;
  if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) return kKeyPass;
  if (vk == VK_CAPITAL) return kKeyCaps;
  if ((mode & IME_CMODE_SOFTKBD) && engine.softKeyboardIndex != 0)
    return ch >= 0x20 && ch <= 0x7E ? kKeySoftKeyboard : kKeyPass;
  if (IsListUp(record) && IsCandidateKey(ch, vk)) return kKeyCandidate;
  if (mode & IME_CMODE_CHARCODE) return kKeyPass;
  if (!(mode & IME_CMODE_NATIVE)) return ch >= 0x20 && ch <= 0x7E ? kKeyCharacter : kKeyPass;
  if (IsPrintable(ch) && ch != '?' && !IsComposingKey(ch) && record->state != kStateIdle)
    return kKeyInvalid;
  if (vk == VK_ESCAPE) return ClassifyEscape(record, context);
  if (vk == VK_BACK) return (record->msgFlags & kMsgCompositionStarted) ? kKeyCompose : kKeyPass;
  if (ch > 0x7E || ch < 0x20) return kKeyPass;
  if (ch == ' ' || ch == kEnter) return record->typedKeys[0] == 0 ? kKeyCharacter : kKeyCompose;
  return IsComposingKey(ch) ? kKeyCompose : kKeyCharacter;
}
