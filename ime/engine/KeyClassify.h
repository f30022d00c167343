// The classification of a key that both ImeProcessKey and ImeToAsciiEx use.
#pragma once

#include <cstdint>

#include "ime/engine/EngineCall.h"

enum KeyClass {
  kKeyCompose = 1,       // edits the code
  kKeyCandidate = 2,     // acts on the candidate or association list
  kKeySoftKeyboard = 4,  // a key typed on the soft keyboard
  kKeyCharacter = 7,     // a character outside composition
  kKeyPass = 8,          // not for the input method
  kKeyInvalid = 9,       // refused during composition
  kKeyCaps = 11,         // Caps Lock
};

// A key as the input method manager hands it over.
struct KeyEvent {
  unsigned ch = 0;              // the key's character, or 0
  unsigned vk = 0;              // the virtual key
  std::uint32_t keyFlags = 0;   // the scan code word: only KF_ALTDOWN is read
  bool shifted = false;         // Shift is held (the soft keyboard's shifted row)
  bool capsToggled = false;     // Caps Lock's toggle is on
};

// A letter, or "," and ";" in the zx scheme.
bool IsComposingKey(unsigned ch, bool sxScheme);

// Whether a candidate or an association list is up, taking the list keys.
bool IsListUp(const PrivateRecord& record);

// Whether "." or "," typed right after a digit stays as typed, as the decimal point and
// the thousands separator, instead of being a Chinese mark or (in zx) a code.
bool KeepsDecimalMark(const PrivateRecord& record, unsigned ch);

// Clears the auto-hide armed flag.
KeyClass ClassifyKey(EngineCall& call, const KeyEvent& key);
