// The dictionary files of one installation: their folder and the tables of a scheme.
#pragma once

#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

// Where a dictionary operation reads and writes: the folder of the files (with its trailing
// separator; empty when the input method is not installed) and the scheme whose tables are
// used.
struct DictionarySet {
  std::string folder;
  CodeScheme scheme;
};

// The folder followed by name; raises ESQLiteException when no folder is known, so that
// nothing is opened (or created) in the application's current directory.
std::string DictionaryFile(const DictionarySet& dictionaries, const std::string& name);
// "lmt_sx" or "lmt_zx".
std::string WordTable(CodeScheme scheme);
