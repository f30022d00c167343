// Candidate lookup for the typed code, and word association after a commit.
#pragma once

#include <string>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"

// Fills list (emptied by the caller) from the code in the composition block: the rows of
// the system dictionary of the code's first character and of the user dictionary whose
// codes begin with the code, merged. Sets foundCount, codeLengthLimit, the search text and
// its flag, and beeps when nothing was found or a full code is still ambiguous. A file that
// cannot be read adds no rows; the result is false when that file is the user dictionary.
bool LookupCandidates(LPCOMPOSITIONSTRING composition, CandidateList* list);

// Fills list with the phrases that begin with committed, from the system dictionary of
// firstChar and the user dictionary, leaving out the association prefix itself; a file
// that cannot be read adds no rows. Returns the number of candidates listed.
DWORD LookupAssociations(const std::string& firstChar, const std::string& committed,
                         CandidateList* list);
