// The keys that act on a candidate or association list: selection, paging, the commit of a
// candidate or of the typed code, and closing the list.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/PrivateRecord.h"

// Whether a candidate or an association list is up, taking the list keys.
bool IsListUp(const PrivateRecord* record);

// The candidate path of ImeToAsciiEx; the number of messages.
UINT CandidateStep(unsigned ch, unsigned vk, LPINPUTCONTEXT context, PrivateRecord* record,
                   LPTRANSMSGLIST list);

// One list operation: "1"-"7" select and commit, Enter (13) commits the typed code, "-" and
// "=" page, Esc (27) closes; candidateBlock is the locked candidate block or nullptr.
void CandidateKey(unsigned code, LPINPUTCONTEXT context, void* candidateBlock,
                  PrivateRecord* record);

// The automatic commits: the first candidate of the page shown, whether or not the window
// has drawn it yet (it draws the first row of every page).
void CommitPageStart(LPINPUTCONTEXT context, void* candidateBlock, PrivateRecord* record);

// Writes the result string (the candidate at dwSelection when the candidate-chosen flag is
// set, else the typed code) and ends the list; the word association may replace it.
void CommitCandidate(LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                     PrivateRecord* record, CandidateList* list);

// Closes the list and cancels the code.
void CloseCandidates(LPINPUTCONTEXT context, PrivateRecord* record);
