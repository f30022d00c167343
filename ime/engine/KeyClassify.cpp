#include "ime/engine/KeyClassify.h"

#include <cstring>

#include "ime/engine/ImeValues.h"

namespace {

constexpr char kComposeKeys[] = "abcdefghijklmnopqrstuvwxyz,;";
constexpr unsigned kEnter = 13;

bool IsPrintable(unsigned ch) { return ch >= 0x21 && ch <= 0x7E; }

bool IsCandidateKey(const EngineSettings& settings, unsigned ch, unsigned vk) {
  switch (vk) {
    case kVkPrior:
    case kVkNext:
    case kVkEnd:
    case kVkHome:
    case kVkEscape:
      return true;
    default:
      break;
  }
  if (ch == '-' || ch == '=' || ch == ' ' || ch == kEnter) return true;
  if (ch >= '1' && ch <= '7') return true;
  if (ch == '\'' && settings.quoteSelectsSecond) return true;
  return ch == '.' && settings.periodSelectsThird;
}

// Esc belongs to the input method while a composition or a refusal is on show.
KeyClass ClassifyEscape(const EngineCall& call) {
  if (!call.guideline) return kKeyPass;
  const bool taken =
      (call.record.msgFlags & kMsgCompositionStarted) || call.guideline->dwLevel != 0;
  return taken ? kKeyCompose : kKeyPass;
}

}  // namespace

bool IsComposingKey(unsigned ch, bool sxScheme) {
  if (ch == 0 || ch > 0xFF) return false;
  if (sxScheme && (ch == ',' || ch == ';')) return false;
  return std::memchr(kComposeKeys, static_cast<int>(ch), sizeof kComposeKeys - 1) != nullptr;
}

bool IsListUp(const PrivateRecord& record) {
  return (record.msgFlags & kMsgCandidateOpen) || record.facts.associationPrefix[0] != '\0';
}

bool KeepsDecimalMark(const PrivateRecord& record, unsigned ch) {
  return (ch == '.' || ch == ',') && record.facts.afterDigit;
}

KeyClass ClassifyKey(EngineCall& call, const KeyEvent& key) {
  call.engine.autoHideArmed = 0;
  const unsigned ch = key.ch;
  const unsigned vk = key.vk;
  const PrivateRecord& record = call.record;
  if (vk == kVkMenu || vk == kVkControl || vk == kVkShift) return kKeyPass;
  if ((key.keyFlags & kKeyFlagAltDown) || !call.open) return kKeyPass;

  const std::uint32_t mode = call.mode;
  if (mode & kModeNoConversion) return vk == kVkCapital ? kKeyCaps : kKeyPass;
  if (vk >= kVkNumpad0 && vk <= kVkDivide) return kKeyPass;
  if (vk == kVkCapital) return kKeyCaps;
  if ((mode & kModeSoftKeyboard) && call.engine.softKeyboardIndex != 0)
    return ch >= 0x20 && ch <= 0x7E ? kKeySoftKeyboard : kKeyPass;
  if (IsListUp(record) && IsCandidateKey(call.settings, ch, vk)) return kKeyCandidate;
  if (mode & kModeCharCode) return kKeyPass;
  if (!(mode & kModeNative)) return ch >= 0x20 && ch <= 0x7E ? kKeyCharacter : kKeyPass;
  if (IsPrintable(ch) && ch != '?' && !IsComposingKey(ch, call.Sx()) && record.state != kStateIdle)
    return kKeyInvalid;
  if (vk == kVkEscape) return ClassifyEscape(call);
  if (vk == kVkBack) return (record.msgFlags & kMsgCompositionStarted) ? kKeyCompose : kKeyPass;
  if (ch > 0x7E || ch < 0x20) return kKeyPass;
  if (KeepsDecimalMark(record, ch)) return kKeyCharacter;
  if (ch == ' ' || ch == kEnter) return record.typedKeys[0] == 0 ? kKeyCharacter : kKeyCompose;
  return IsComposingKey(ch, call.Sx()) ? kKeyCompose : kKeyCharacter;
}
