// The message builder: turns the request bits of the private record into WM_IME_*
// messages, for ImeToAsciiEx's translation list or the context's message buffer.
#pragma once

#include <cstdint>

#include "ime/engine/EngineCall.h"

// Builds the requested messages in their fixed order (to the translation list while
// in-translation is set) and updates the standing bits by what was delivered. The number
// delivered.
std::uint32_t BuildMessages(EngineCall& call);

// Outside ImeToAsciiEx: builds into the message buffer, keeps only the standing bits, clears
// gcsFlags and has the manager send the messages.
void GenerateMessages(EngineCall& call);

// Inside ImeToAsciiEx: has the manager send what is requested so far at once, ahead of the
// messages the key returns, which it posts.
void GenerateMessagesNow(EngineCall& call);

// The request bits raised with the open/close and start/end pairs kept exclusive.
void RaiseOpenCandidate(PrivateRecord& record);
void RaiseCloseCandidate(PrivateRecord& record);
void RaiseStartComposition(PrivateRecord& record);
void RaiseEndComposition(PrivateRecord& record);
