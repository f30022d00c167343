// The two steps of a key: whether the input method takes it (ImeProcessKey), and what it
// does with a taken one (ImeToAsciiEx).
#pragma once

#include <cstdint>

#include "ime/engine/EngineCall.h"
#include "ime/engine/KeyClassify.h"

struct KeyDecision {
  bool taken = false;
  // Caps Lock switches the context's conversion mode; the adapter applies it.
  bool switchesMode = false;
  std::uint32_t mode = 0;
};

KeyDecision ProcessKey(EngineCall& call, const KeyEvent& key);

// The number of messages the key returns in the translation list.
std::uint32_t TranslateKey(EngineCall& call, const KeyEvent& key);
