// Editing the typed code: adding and deleting code letters, cancelling, and the candidate
// lookup that follows every change.
#pragma once

#include <cstdint>

#include "ime/engine/EngineCall.h"

constexpr unsigned kBackspaceChar = 8;
constexpr unsigned kEscChar = 27;

// The composition step of ImeToAsciiEx for a compose key; the number of messages.
std::uint32_t ComposeStep(EngineCall& call, unsigned ch);

// One key on the code: Esc cancels, Backspace deletes, any other character but Space is
// added; a lookup follows (Space only looks up again). Needs the composition and guideline
// blocks.
void ComposeKey(EngineCall& call, unsigned ch);
void AddCodeChar(EngineCall& call, unsigned ch);
void DeleteCodeChar(EngineCall& call);
// Works without the composition or guideline block, as far as they are there.
void CancelComposition(EngineCall& call);
void RunLookupStep(EngineCall& call, unsigned ch);
