// The sx tables from a pinyin table with weights: a character's code is its syllable in
// Ziranma double pinyin followed by the first and last letters of its Wubi 86 full code
// (the two pinyin letters alone when it has none); a phrase's code comes from its
// characters' codes, each under the phrase's own reading, by the phrase-code rule. Each
// character is also listed under the first two and three letters of its code (short codes).
#pragma once

#include <string>

#include "tools/dictbuilder/DictEntry.h"
#include "tools/dictbuilder/RimeDict.h"
#include "tools/dictbuilder/WubiTable.h"

namespace dictbuilder {

// The sx code of one character (UTF-8) read as one syllable; false for an unknown syllable.
bool SxCharacterCode(const std::string& character, const std::string& syllable,
                     const FullCodes& fullCodes, std::string& code);

SchemeTables BuildSxTables(const RimeDict& pinyin, const FullCodes& fullCodes, BuildStats& stats);

}  // namespace dictbuilder
