// ImeProcessKey and ImeToAsciiEx: the IMM adapter of the key core. A key is read from the
// manager's arguments, the core decides on a locked context, and the answer goes back as
// TRUE/FALSE or as the messages of the translation list.
#include <cstdint>

#include "ime/common/Guarded.h"
#include "ime/engine/ContextCall.h"
#include "ime/engine/CharacterOutput.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/KeyCore.h"

namespace {

unsigned TypedCharacter(UINT vk, LPARAM keyData, const BYTE* keyState) {
  BYTE noKeys[256] = {};
  WORD chars[2] = {};
  const int count = ToAscii(vk, HIWORD(keyData), keyState ? keyState : noKeys, chars, 0);
  return count > 0 ? chars[0] & 0xFF : 0;
}

KeyEvent Key(unsigned ch, UINT vk, UINT keyFlags, const BYTE* keyState) {
  KeyEvent key;
  key.ch = ch;
  key.vk = vk;
  key.keyFlags = keyFlags;
  key.shifted = keyState && (keyState[VK_SHIFT] & 0x80);
  key.capsToggled = keyState && (keyState[VK_CAPITAL] & 0x01);
  return key;
}

// A key without a context to work on gives its plain character into the list.
class ListOnly final : public MessageSink {
public:
  explicit ListOnly(LPTRANSMSGLIST list) : list_(list) {}
  std::uint32_t Deliver(const TRANSMSG* messages, std::uint32_t count, bool) override {
    return DeliverToList(list_, messages, count);
  }
  void Send(std::uint32_t) override {}

private:
  LPTRANSMSGLIST list_;
};

BOOL TakesKey(HIMC himc, UINT vk, LPARAM keyData, const BYTE* keyState) {
  const ContextLock context(himc);
  if (!context) return FALSE;
  KeyDecision decision;
  const DWORD sentence = context->fdwSentence;
  {
    ContextCall call(himc, context.get());
    if (call) {
      decision = ProcessKey(
          *call, Key(TypedCharacter(vk, keyData, keyState), vk, HIWORD(keyData), keyState));
    }
  }
  if (decision.switchesMode) ImmSetConversionStatus(himc, decision.mode, sentence);
  return decision.taken ? kImeTrue : FALSE;
}

UINT TranslateKey(UINT virtualKeyWord, UINT scanWord, const BYTE* keyState, LPTRANSMSGLIST list,
                  HIMC himc) {
  const KeyEvent key = Key(KeyCharacter(virtualKeyWord), virtualKeyWord & 0xFF, scanWord, keyState);
  const ContextLock context(himc);
  if (!context) {
    ListOnly sink(list);
    return PlainCharacter(sink, key.ch, scanWord);
  }
  ContextCall call(himc, context.get(), list);
  if (call && context->hWnd)
    call->record.typingWindow = reinterpret_cast<std::uintptr_t>(context->hWnd);
  return call ? TranslateKey(*call, key) : PlainCharacter(call.sink(), key.ch, scanWord);
}

}  // namespace

extern "C" BOOL WINAPI ImeProcessKey(HIMC himc, UINT vk, LPARAM keyData, CONST LPBYTE keyState) {
  return Guarded<BOOL>(FALSE, [&] { return TakesKey(himc, vk, keyData, keyState); });
}

extern "C" UINT WINAPI ImeToAsciiEx(UINT virtualKeyWord, UINT scanWord, CONST LPBYTE keyState,
                                    LPTRANSMSGLIST list, UINT, HIMC himc) {
  return Guarded<UINT>(
      0, [&] { return TranslateKey(virtualKeyWord, scanWord, keyState, list, himc); });
}
