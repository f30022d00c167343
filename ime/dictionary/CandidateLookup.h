// Candidate lookup for a typed code, and word association after a commit. Both only answer:
// what to beep, how far a code may grow and what the search text becomes are the engine's
// decisions.
#pragma once

#include <string>
#include <vector>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/DictionaryFiles.h"

struct CandidateRecords {
  std::vector<std::string> records;  // candidate records, at most kMaxCandidateRecords
  bool userReadable = true;          // false: the user dictionary could not be read
};

// The rows of the system dictionary of the code's first character and of the user
// dictionary whose codes begin with code, merged. A file that cannot be read adds no rows.
CandidateRecords LookupCandidates(const std::string& code, const DictionarySet& dictionaries,
                                  const CandidateFilter& filter);

// The phrases that begin with committed, from the system dictionary of firstChar and the
// user dictionary, without committed itself; a file that cannot be read adds no rows.
CandidateRecords LookupAssociations(const std::string& firstChar, const std::string& committed,
                                    const DictionarySet& dictionaries,
                                    const CandidateFilter& filter);
