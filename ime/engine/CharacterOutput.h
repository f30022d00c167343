// Keys that produce characters rather than edit a code: plain characters, Chinese
// punctuation, full-width forms and the soft keyboard's characters, as WM_CHAR messages.
#pragma once

#include <cstdint>
#include <string_view>

#include "ime/engine/EngineCall.h"
#include "ime/engine/KeyClassify.h"

// One WM_CHAR with ch and lParam (scan code word × 65536) + 1; nothing for ch 0.
std::uint32_t PlainCharacter(MessageSink& sink, unsigned ch, std::uint32_t scanWord);

// GBK double-byte characters: two WM_CHAR each, lead byte then trail byte, lParam 1 (one
// WM_CHAR with the UTF-16 unit where the host posts character messages as Unicode).
std::uint32_t DoubleByteOutput(EngineCall& call, std::string_view gbk);

// The character path of ImeToAsciiEx: closes an open list, then punctuation, full-width or
// plain output by the conversion mode.
std::uint32_t CharacterStep(EngineCall& call, const KeyEvent& key);

// The soft-keyboard path: the character of the key in the soft keyboard in use.
std::uint32_t SoftKeyboardStep(EngineCall& call, const KeyEvent& key);
