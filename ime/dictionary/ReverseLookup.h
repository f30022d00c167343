// Reverse code lookup: a phrase's code from the codes of its characters in "lmtsys_ODD.db".
#pragma once

#include <string>

#include "ime/dictionary/DictionaryFiles.h"

// Empty, with no database opened, when the phrase holds no double-byte character.
std::string PhraseCode(const DictionarySet& dictionaries, const std::string& phrase);
