// Operations on a context from outside the key path: what NotifyIME, ImeSelect and the
// windows ask of the engine.
#pragma once

#include <cstdint>

#include "ime/engine/EngineCall.h"

// A selection: the code, the messages and the punctuation pairs start anew, and so do the
// facts of the context's input.
void StartInput(PrivateRecord& record, const EngineValues& engine);

// Drops the code and any candidate or association list, sending the messages that say so.
void CancelInput(EngineCall& call);

// Raises the request bits (keeping open/close and start/end exclusive) and sends them.
void RaiseRequests(EngineCall& call, std::uint32_t bits);

// The conversion mode changed from previousMode to call.mode: a mode the engine does not
// take is undone, the soft keyboard is told, and the input is cancelled.
void ReactToModeChange(EngineCall& call, std::uint32_t previousMode);

// The context was opened or closed.
void ReactToOpenStatus(EngineCall& call);

// NI_SELECTCANDIDATESTR: commits the candidate of list listNumber (only 0 exists). False
// when refused (a closed context, a mode without lists, no candidate block).
bool SelectCandidate(EngineCall& call, std::uint32_t listNumber, std::uint32_t candidate);

// NI_COMPOSITIONSTR with CPS_COMPLETE: commits what is chosen or the lookup's candidate for
// the code, or cancels.
void CompleteInput(EngineCall& call);

// NI_SETCANDIDATE_PAGESTART and NI_SETCANDIDATE_PAGESIZE, the page shown then changed;
// false when refused (a page size of 0 or above 7 among the reasons).
bool SetPageStart(EngineCall& call, std::uint32_t index, std::uint32_t value);
bool SetPageSize(EngineCall& call, std::uint32_t index, std::uint32_t value);

// The candidate window's page buttons: one page up or down, and the window told.
void PageCandidates(EngineCall& call, bool up);
