// Keys that produce characters rather than edit a code: plain characters, Chinese
// punctuation, full-width forms and the soft keyboard's characters, as WM_CHAR messages.
#pragma once

#include <string_view>

#include "ime/common/ImmDev.h"
#include "ime/engine/PrivateRecord.h"

// One WM_CHAR with ch and lParam (scan code word × 65536) + 1; nothing for ch 0.
UINT PlainCharacter(unsigned ch, UINT scanWord, LPINPUTCONTEXT context, LPTRANSMSGLIST list);

// GBK double-byte characters: two WM_CHAR each, lead byte then trail byte, lParam 1 (one
// WM_CHAR with the UTF-16 unit where the host posts character messages as Unicode).
UINT DoubleByteOutput(std::string_view gbk, LPINPUTCONTEXT context, LPTRANSMSGLIST list);

// The character path of ImeToAsciiEx: closes an open list, then punctuation, full-width or
// plain output by the conversion mode.
UINT CharacterStep(unsigned ch, UINT scanWord, HIMC himc, LPINPUTCONTEXT context,
                   PrivateRecord* record, LPTRANSMSGLIST list);

// The soft-keyboard path: the character of the key in the soft keyboard in use.
UINT SoftKeyboardStep(unsigned vk, const BYTE* keyState, LPINPUTCONTEXT context,
                      LPTRANSMSGLIST list);
