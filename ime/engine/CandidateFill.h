// The engine's side of a lookup: the dictionary answers with records, the engine lists them
// and decides what follows (the search text, how far the code may grow, the beeps).
#pragma once

#include <string>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"

// Fills list from the code in the composition block. False when the user dictionary could
// not be read.
bool ListCandidates(LPCOMPOSITIONSTRING composition, CandidateList* list);

// Fills list with the phrases that continue text; the number listed.
DWORD ListAssociations(const std::string& firstChar, const std::string& text, CandidateList* list);
