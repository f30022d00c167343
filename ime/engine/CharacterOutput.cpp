#include "ime/engine/CharacterOutput.h"

#include <vector>

#include "ime/engine/EngineState.h"
#include "ime/engine/FullWidthTable.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/Messages.h"
#include "ime/engine/PunctuationTable.h"
#include "ime/engine/SoftKeyboardLayouts.h"

namespace {

constexpr UINT kGbkCodePage = 936;

void AddCharacter(std::vector<TRANSMSG>& messages, const char* pair) {
  if (CurrentHostQuirks().unicodeCharacters) {
    WCHAR unit = 0;
    if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) == 1)
      messages.push_back({WM_CHAR, unit, 1});
    return;
  }
  messages.push_back({WM_CHAR, static_cast<BYTE>(pair[0]), 1});
  messages.push_back({WM_CHAR, static_cast<BYTE>(pair[1]), 1});
}

}  // namespace

UINT PlainCharacter(unsigned ch, UINT scanWord, LPINPUTCONTEXT context, LPTRANSMSGLIST list) {
  if (ch == 0) return 0;
  const TRANSMSG message = {WM_CHAR, ch, static_cast<LPARAM>(scanWord) * 65536 + 1};
  return DeliverMessages(list, context, true, &message, 1);
}

UINT DoubleByteOutput(std::string_view gbk, LPINPUTCONTEXT context, LPTRANSMSGLIST list) {
  std::vector<TRANSMSG> messages;
  for (std::size_t i = 0; i + 1 < gbk.size(); i += 2) AddCharacter(messages, gbk.data() + i);
  return DeliverMessages(list, context, true, messages.data(), static_cast<UINT>(messages.size()));
}

UINT CharacterStep(unsigned ch, UINT scanWord, HIMC himc, LPINPUTCONTEXT context,
                   PrivateRecord* record, LPTRANSMSGLIST list) {
  if (record->msgFlags & kMsgCandidateOpen) {
    RaiseCloseCandidate(record);
    GenerateMessagesNow(himc, context, record);
  }
  if (context->fdwConversion & IME_CMODE_SYMBOL) {
    const std::string_view punctuation = ChinesePunctuation(static_cast<char>(ch), *record);
    if (!punctuation.empty()) return DoubleByteOutput(punctuation, context, list);
  }
  if (context->fdwConversion & IME_CMODE_FULLSHAPE) {
    return DoubleByteOutput(FullWidthForm(static_cast<unsigned char>(ch)), context, list);
  }
  return PlainCharacter(ch, scanWord, context, list);
}

UINT SoftKeyboardStep(unsigned vk, const BYTE* keyState, LPINPUTCONTEXT context,
                      LPTRANSMSGLIST list) {
  const bool shifted = keyState && (keyState[VK_SHIFT] & 0x80);
  const std::string_view entry =
      SoftKeyEntry(engine.softKeyboardIndex, shifted, SoftKeyIndex(vk));
  if (IsBlankSoftKey(entry)) {
    MessageBeep(kBeep);
    return 0;
  }
  return DoubleByteOutput(entry, context, list);
}
