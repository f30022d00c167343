#include "ime/engine/CharacterOutput.h"

#include <vector>

#include "ime/engine/FullWidthTable.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/MessageBuilder.h"
#include "ime/engine/PunctuationTable.h"
#include "ime/engine/SoftKeyboardLayouts.h"

namespace {

void AddCharacter(const EngineCall& call, std::vector<TRANSMSG>& messages, const char* pair) {
  if (call.host.wideCharacter) {
    if (const std::uint16_t unit = call.host.wideCharacter(pair))
      messages.push_back({kWmChar, unit, 1});
    return;
  }
  messages.push_back({kWmChar, static_cast<unsigned char>(pair[0]), 1});
  messages.push_back({kWmChar, static_cast<unsigned char>(pair[1]), 1});
}

}  // namespace

std::uint32_t PlainCharacter(MessageSink& sink, unsigned ch, std::uint32_t scanWord) {
  if (ch == 0) return 0;
  const TRANSMSG message = {kWmChar, ch, static_cast<std::intptr_t>(scanWord) * 65536 + 1};
  return sink.Deliver(&message, 1, true);
}

std::uint32_t DoubleByteOutput(EngineCall& call, std::string_view gbk) {
  std::vector<TRANSMSG> messages;
  for (std::size_t i = 0; i + 1 < gbk.size(); i += 2) AddCharacter(call, messages, gbk.data() + i);
  if (messages.empty()) return 0;
  return call.sink.Deliver(messages.data(), static_cast<std::uint32_t>(messages.size()), true);
}

std::uint32_t CharacterStep(EngineCall& call, const KeyEvent& key) {
  // The character ends an association list too: the keys after it are the user's again.
  call.record.facts.associationPrefix[0] = '\0';
  if (call.record.msgFlags & kMsgCandidateOpen) {
    RaiseCloseCandidate(call.record);
    GenerateMessagesNow(call);
  }
  if ((call.mode & kModeSymbol) && !KeepsDecimalMark(call.record, key.ch)) {
    const std::string_view punctuation = ChinesePunctuation(static_cast<char>(key.ch), call.record);
    if (!punctuation.empty()) return DoubleByteOutput(call, punctuation);
  }
  if (call.mode & kModeFullShape)
    return DoubleByteOutput(call, FullWidthForm(static_cast<unsigned char>(key.ch)));
  return PlainCharacter(call.sink, key.ch, key.keyFlags);
}

std::uint32_t SoftKeyboardStep(EngineCall& call, const KeyEvent& key) {
  const std::string_view entry =
      SoftKeyEntry(call.engine.softKeyboardIndex, key.shifted, SoftKeyIndex(key.vk));
  if (IsBlankSoftKey(entry)) {
    call.Beep();
    return 0;
  }
  return DoubleByteOutput(call, entry);
}
