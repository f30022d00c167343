// The message builder: turns the request bits of the private record into WM_IME_*
// messages, for ImeToAsciiEx's translation list or the context's message buffer.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/PrivateRecord.h"

// Delivers count messages: into the translation list when toList holds and the list has
// room for all of them, else appended to the context's message buffer after its
// dwNumMsgBuf entries (created or grown as needed). The count delivered, 0 when the buffer
// could not be grown or locked.
UINT DeliverMessages(LPTRANSMSGLIST list, LPINPUTCONTEXT context, bool toList,
                     const TRANSMSG* messages, UINT count);

// Builds the requested messages in their fixed order (to the translation list while
// in-translation is set) and updates the standing bits by what was built. The number built.
UINT BuildMessages(LPTRANSMSGLIST list, LPINPUTCONTEXT context, PrivateRecord* record);

// Outside ImeToAsciiEx: builds into the message buffer, keeps only the standing bits, clears
// gcsFlags and has the manager send the messages.
void GenerateMessages(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record);

// Inside ImeToAsciiEx: has the manager send what is requested so far at once, ahead of the
// messages the key returns, which it posts.
void GenerateMessagesNow(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record);

// The request bits raised with the open/close and start/end pairs kept exclusive.
void RaiseOpenCandidate(PrivateRecord* record);
void RaiseCloseCandidate(PrivateRecord* record);
void RaiseStartComposition(PrivateRecord* record);
void RaiseEndComposition(PrivateRecord* record);
