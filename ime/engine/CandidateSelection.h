// The keys that act on a candidate or association list: selection, paging, the commit of a
// candidate or of the typed code, and closing the list.
#pragma once

#include <cstdint>

#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineCall.h"

// The candidate path of ImeToAsciiEx; the number of messages.
std::uint32_t CandidateStep(EngineCall& call, unsigned ch, unsigned vk);

// One list operation: "1"-"7" select and commit, Enter (13) commits the typed code, "-" and
// "=" page, Esc (27) closes.
void CandidateKey(EngineCall& call, unsigned code);

// The automatic commits: the first candidate of the page shown, whether or not the window
// has drawn it yet (it draws the first row of every page).
void CommitPageStart(EngineCall& call);

// Writes the result string (the candidate at dwSelection when the candidate-chosen flag is
// set, else the typed code) and ends the list; the word association may replace it. Needs
// the composition block.
void CommitCandidate(EngineCall& call, CandidateList* list);

// Closes the list and cancels the code.
void CloseCandidates(EngineCall& call);

// Empties the candidate block to its reset layout.
void ResetCandidates(EngineCall& call);
