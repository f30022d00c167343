// The dictionary files and tables of the active scheme, in the dictionary directory.
#pragma once

#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

// dictionaryDir followed by name; raises ESQLiteException when no directory is known.
std::string DictionaryFile(const std::string& name);
CodeScheme ActiveScheme();
// "lmt_sx" or "lmt_zx".
std::string ActiveWordTable();
