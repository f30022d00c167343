// The code of a phrase from the codes of its characters, as read from the reverse table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ime/dictionary/PhraseCodeRule.h"

// The double-byte characters of a phrase: each distinct one once, in order of first
// appearance, and for every character in phrase order the index of its distinct entry.
// condition is the where-clause that selects all of them from a reverse table.
struct PhraseCharacters {
  std::string condition;
  std::vector<std::string> distinct;
  std::vector<std::size_t> positions;
};

// Single-byte characters do not take part; a lead byte without its trail byte is dropped.
PhraseCharacters ScanPhrase(std::string_view phrase);

// Opens the reverse dictionary at oddPath and replaces each entry of distinct by the code
// of the first row returned for it; an entry without a row keeps its character.
void LookupCharacterCodes(const std::string& oddPath, CodeScheme scheme,
                          const std::string& condition, std::vector<std::string>& distinct);

// The code of a scanned phrase; empty, with no database opened, when it holds no
// double-byte character.
std::string DerivePhraseCode(PhraseCharacters scan, const std::string& oddPath,
                             CodeScheme scheme);

// The codes of many phrases, with the reverse dictionary opened a few times in all rather
// than once a phrase: an empty code for a phrase without a double-byte character or with a
// character the reverse table lacks.
std::vector<std::string> DerivePhraseCodes(const std::vector<std::string>& phrases,
                                           const std::string& oddPath, CodeScheme scheme);
