// Reverse code lookup: a phrase's code from the codes of its characters in "lmtsys_ODD.db".
#pragma once

#include <string>
#include <vector>

// Empty, with no database opened, when the phrase holds no double-byte character.
std::string PhraseCode(const std::string& phrase);
// Replaces each entry of distinct (a character) by its code from the reverse table of
// the active scheme; condition selects the characters.
void LookupCharacterCodes(const std::string& condition, std::vector<std::string>& distinct);
