// The classification of a key that both ImeProcessKey and ImeToAsciiEx use.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/PrivateRecord.h"

enum KeyClass {
  kKeyCompose = 1,       // edits the code
  kKeyCandidate = 2,     // acts on the candidate or association list
  kKeySoftKeyboard = 4,  // a key typed on the soft keyboard
  kKeyCharacter = 7,     // a character outside composition
  kKeyPass = 8,          // not for the input method
  kKeyInvalid = 9,       // refused during composition
  kKeyCaps = 11,         // Caps Lock
};

// A letter, or "," and ";" in the zx scheme.
bool IsComposingKey(unsigned ch);

// ch: the key's character or 0; keyFlags: only KF_ALTDOWN is read. Clears the auto-hide
// armed flag.
KeyClass ClassifyKey(unsigned ch, unsigned vk, unsigned keyFlags, const PrivateRecord* record,
                     LPINPUTCONTEXT context);
