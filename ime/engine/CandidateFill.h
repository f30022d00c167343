// The engine's side of a lookup: the dictionary answers with records, the engine lists them
// and decides what follows (the search text, how far the code may grow, the beeps).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineCall.h"

// The records go into the candidate buffers, one each, and the emptied list holds their
// display texts.
void FillCandidateList(CandidateList* list, char* const* pool,
                       const std::vector<std::string>& records);

// Fills list from the typed code in the composition block. False when the user dictionary
// could not be read.
bool ListCandidates(EngineCall& call, CandidateList* list);

// Fills list with the phrases that continue text; the number listed.
std::uint32_t ListAssociations(EngineCall& call, const std::string& firstChar,
                               const std::string& text, CandidateList* list);
